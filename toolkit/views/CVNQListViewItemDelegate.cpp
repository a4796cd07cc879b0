#include "CVNQListViewItemDelegate.h"

#include "CVNQContainer.h"
#include "CVNQLabelExImpl.h"
#include "CVNQListView.h"
#include "CVNQListViewImpl.h"

#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>

#include <utility>

namespace CVNQtLib {

namespace {

CVNQWidgetBaseImpl* controlImpl(QWidget* w)
{
    auto* control = dynamic_cast<ICVNQWidgetBase*>(w);
    return control ? control->getControlImpl() : nullptr;
}

void collect(QWidget* w, QVector<QPointer<QWidget>>& out)
{
    if (!controlImpl(w))
        return;
    out.push_back(w);
    for (QObject* child : w->children())
        if (auto* cw = qobject_cast<QWidget*>(child))
            collect(cw, out);
}

bool selectableByMouse(const CVNQLabelEx* label)
{
    return label->textInteractionFlags() == Qt::TextSelectableByMouse;
}

} // namespace

CVNQListViewItemDelegate::CVNQListViewItemDelegate(CVNQListView* view, CVNQListViewImpl* impl)
    : CVNQItemDelegate(view)
    , m_impl(impl)
{}

void CVNQListViewItemDelegate::collectTemplateControls(CVNQContainer* itemTemplate)
{
    m_templateControls.clear();
    m_hoveredWidget = nullptr;
    if (itemTemplate)
        collect(itemTemplate, m_templateControls);
}

void CVNQListViewItemDelegate::clearHighLight()
{
    m_anchorRow = -1;
    m_focusRow = -1;
    m_anchorPosition = LabelExPosition();
    m_focusPosition = LabelExPosition();
}

CVNQContainer* CVNQListViewItemDelegate::itemTemplate() const
{
    return m_impl ? m_impl->itemTemplate.data() : nullptr;
}

void CVNQListViewItemDelegate::trackPointer(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter: {
        // An enter event sent by hand may carry no position.
        const auto* enter = dynamic_cast<const QEnterEvent*>(event);
        m_pointerGlobal = enter ? enter->globalPos() : QCursor::pos();
        m_pointerOver = true;
        // A view that appears under a resting pointer shows the control
        // under it hovered without waiting for a move.
        if (m_impl && !m_templateControls.isEmpty()) {
            CVNQListView* view = m_impl->view();
            const QModelIndex index = view->indexAt(view->viewport()->mapFromGlobal(m_pointerGlobal));
            if (index.isValid())
                view->viewport()->update(view->visualRect(index));
        }
        break;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        m_pointerGlobal = static_cast<const QMouseEvent*>(event)->globalPos();
        m_pointerOver = true;
        break;
    case QEvent::Leave: m_pointerOver = false; break;
    default: break;
    }
}

QVector<CVNQListViewItemDelegate::Placed> CVNQListViewItemDelegate::layOutRow(const QModelIndex& index,
                                                                              const QRect& rowRect) const
{
    QVector<Placed> placed;
    CVNQContainer* container = itemTemplate();
    if (!container || m_templateControls.isEmpty() || m_templateControls.first() != container)
        return placed;
    if (m_impl->itemDisplayCallBack)
        m_impl->itemDisplayCallBack(m_impl->view(), container, index);
    container->resize(rowRect.size());
    container->setGeometry(QRect(QPoint(0, 0), rowRect.size()));
    container->forceResize();

    for (int i = 1; i < m_templateControls.size(); ++i) {
        QWidget* w = m_templateControls.at(i);
        CVNQWidgetBaseImpl* impl = controlImpl(w);
        if (!impl || !impl->getDelegateItemVisible())
            continue;
        // Its place inside the template; a control moved out of the
        // template since it was collected is no longer drawn.
        QPoint offset;
        QWidget* p = w;
        while (p && p != container) {
            offset += p->pos();
            p = p->parentWidget();
        }
        if (!p)
            continue;
        placed.push_back({w, impl, QRect(rowRect.topLeft() + offset, w->size())});
    }
    return placed;
}

int CVNQListViewItemDelegate::hitAt(const QVector<Placed>& placed, const QPoint& point)
{
    for (int i = placed.size() - 1; i >= 0; --i)
        if (placed.at(i).rect.contains(point))
            return i;
    return -1;
}

void CVNQListViewItemDelegate::prepareLabelDocument(CVNQLabelEx* label, const QRect& rect)
{
    label->getImpl()->document()->setPageSize(QSizeF(rect.width() + 20, rect.height() + 10));
}

bool CVNQListViewItemDelegate::applySelection(CVNQLabelEx* label, int row) const
{
    if (!selectableByMouse(label) || m_anchorRow == -1 || m_focusRow == -1)
        return false;
    int startRow = m_anchorRow, endRow = m_focusRow;
    LabelExPosition start = m_anchorPosition, end = m_focusPosition;
    if (endRow < startRow) {
        std::swap(startRow, endRow);
        std::swap(start, end);
    }
    if (row < startRow || row > endRow)
        return false;
    CVNQLabelExImpl* li = label->getImpl();
    if (startRow == endRow) {
        if (start.isNone() || end.isNone())
            return false;
        li->setSelection(start, end);
    } else if (row == startRow) {
        li->setSelection(start, li->endPosition());
    } else if (row == endRow) {
        li->setSelection(li->beginPosition(), end);
    } else {
        li->setSelection(li->beginPosition(), li->endPosition());
    }
    return true;
}

void CVNQListViewItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    if (!index.isValid())
        return;
    CVNQContainer* container = itemTemplate();
    CVNQWidgetBaseImpl* templateImpl = controlImpl(container);
    if (!templateImpl || m_templateControls.isEmpty())
        return;
    painter->save();
    const QRect rect = option.rect;
    const int state = (option.state & QStyle::State_Selected)    ? CtrlStatePressed
                      : (option.state & QStyle::State_MouseOver) ? CtrlStateHover
                                                                 : CtrlStateNormal;
    container->setBackground(m_impl->itemBackground.get(state));
    const bool pointerOver = m_pointerOver;
    const QPoint cursor = m_impl->view()->viewport()->mapFromGlobal(m_pointerGlobal);

    painter->setClipRect(rect, Qt::ReplaceClip);
    templateImpl->draw(painter, rect);
    const int row = index.row();
    for (const Placed& p : layOutRow(index, rect)) {
        auto* label = m_impl->enableSelection ? qobject_cast<CVNQLabelEx*>(p.widget) : nullptr;
        const bool selected = label && applySelection(label, row);
        const CtrlState saved = p.impl->getState();
        if (pointerOver && p.rect.contains(cursor))
            p.impl->setState(CtrlStateHover);
        p.impl->draw(painter, p.rect);
        p.impl->setState(saved);
        // The template is shared by every row: no selection may carry over.
        if (selected)
            label->getImpl()->clearSelection();
    }
    painter->restore();
}

QSize CVNQListViewItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!m_impl)
        return QItemDelegate::sizeHint(option, index);
    if (m_impl->itemForSizeCallBack && !m_templateControls.isEmpty() && itemTemplate())
        return m_impl->itemForSizeCallBack(m_impl->view(), option, index);
    const int height = m_impl->itemHeight == 0 ? 20 : m_impl->itemHeight;
    if (m_impl->view()->viewMode() == QListView::ListMode)
        return QSize(option.rect.width(), height);
    return QSize(m_impl->itemWidth == 0 ? 20 : m_impl->itemWidth, height);
}

bool CVNQListViewItemDelegate::onPress(QMouseEvent* event, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    clearHighLight();
    m_impl->view()->viewport()->update();
    if (!option.rect.contains(event->pos()))
        return false;
    const QVector<Placed> placed = layOutRow(index, option.rect);
    const int hit = hitAt(placed, event->pos());
    if (hit < 0)
        return false;
    const Placed& p = placed.at(hit);
    auto* label = qobject_cast<CVNQLabelEx*>(p.widget);
    if (m_impl->enableSelection && label) {
        prepareLabelDocument(label, p.rect);
        if (selectableByMouse(label)) {
            m_anchorPosition = label->getImpl()->positionAt(event->pos() - p.rect.topLeft());
            m_anchorRow = index.row();
            m_selecting = true;
        }
    }
    emit m_impl->view()->pressCtrl(p.widget, index);
    return true;
}

void CVNQListViewItemDelegate::onMove(QMouseEvent* event, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (!option.rect.contains(event->pos()))
        return;
    CVNQListView* view = m_impl->view();
    QWidget* viewport = view->viewport();
    const QVector<Placed> placed = layOutRow(index, option.rect);
    const int hit = hitAt(placed, event->pos());
    bool overSelectableLabel = false;
    if (hit >= 0) {
        const Placed& p = placed.at(hit);
        if (auto* label = qobject_cast<CVNQLabelEx*>(p.widget)) {
            overSelectableLabel = selectableByMouse(label);
            if (overSelectableLabel) {
                view->setCursor(Qt::IBeamCursor);
                m_cursorChanged = true;
            }
            // Only a drag moves the selection's end; after the release the
            // selection stays as it was left.
            if (m_selecting && overSelectableLabel) {
                prepareLabelDocument(label, p.rect);
                const LabelExPosition pos = label->getImpl()->positionAt(event->pos() - p.rect.topLeft());
                if (!pos.isNone()) {
                    m_focusPosition = pos;
                    m_focusRow = index.row();
                }
                viewport->update();
            }
        }
        if (m_hoveredWidget != p.widget) {
            m_hoveredWidget = p.widget;
            viewport->update(option.rect);
        }
    }
    if (m_cursorChanged && !overSelectableLabel) {
        view->setCursor(Qt::ArrowCursor);
        m_cursorChanged = false;
    }
    if (hit < 0 && m_hoveredWidget) {
        m_hoveredWidget = nullptr;
        viewport->update();
    }
}

bool CVNQListViewItemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                           const QModelIndex& index)
{
    if (m_impl && index.isValid()) {
        if (event->type() == QEvent::MouseButtonPress)
            onPress(static_cast<QMouseEvent*>(event), option, index);
        else if (event->type() == QEvent::MouseMove)
            onMove(static_cast<QMouseEvent*>(event), option, index);
    }
    return CVNQItemDelegate::editorEvent(event, model, option, index);
}

} // namespace CVNQtLib

#include "moc_CVNQListViewItemDelegate.cpp"
