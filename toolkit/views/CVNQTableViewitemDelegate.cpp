#include "CVNQTableViewitemDelegate.h"

#include "CVNQCheckBox.h"
#include "CVNQContainer.h"
#include "CVNQTableCellLayout.h"
#include "CVNQTableView.h"
#include "CVNQTableViewImpl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace CVNQtLib {

using namespace TableCellLayout;

CVNQTableViewitemDelegate::CVNQTableViewitemDelegate(CVNQTableView* view, CVNQTableViewImpl* impl)
    : CVNQItemDelegate(view)
    , m_view(view)
    , m_impl(impl)
{}

int CVNQTableViewitemDelegate::cellState(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (option.state & QStyle::State_Selected)
        return CtrlStatePressed;
    if (option.state & QStyle::State_MouseOver)
        return CtrlStateHover;
    if (index.row() == m_impl->hoveredRow)
        return CtrlStateHover;
    return CtrlStateNormal;
}

bool CVNQTableViewitemDelegate::drawsCheckBox(int column) const
{
    return column == 0 && m_impl->checkstyle && m_impl->headerCheckBox && !m_impl->columnWidget(column);
}

void CVNQTableViewitemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const
{
    if (!index.isValid())
        return;
    painter->save();
    const QRect cell = option.rect;
    const int column = index.column();
    const QString text = index.data(Qt::DisplayRole).toString();
    const QString iconPath = index.data(CellIconRole).toString();
    const QSize iconSize = iconPath.isEmpty() ? QSize() : CVNQWidgetBaseImpl::getImageSize(iconPath, false);

    const int state = cellState(option, index);
    CVNQWidgetBaseImpl::drawFillStyle(painter, m_impl->itemBackgrounds.get(state), cell);
    TextStyleDesc style = m_impl->itemTextStyles.get(state);
    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    applyAlignment(style, alignment);

    const bool checkColumn = column == 0 && m_impl->checkstyle;
    const bool checked = checkColumn && index.data(Qt::CheckStateRole).toBool();
    m_impl->rememberPainted(index, CVNQTableViewImpl::cellContents(text, iconPath, alignment, checked));
    QRect content = contentRect(cell, checkColumn, m_impl->checkImageSize);
    QRect iconRect;
    if (iconSize.isValid()) {
        const IconPlacement p = placeIcon(content, iconSize, text, style, option.widget);
        iconRect = p.icon;
        content = p.content;
    }
    CVNQWidgetBaseImpl::drawText(painter, text, style, content);

    if (CVNQContainer* container = m_impl->columnWidget(column)) {
        // A template column draws neither icon nor check box.
        paintTemplate(painter, cell, container);
        painter->restore();
        return;
    }

    if (iconSize.isValid()) {
        painter->save();
        painter->setClipRect(cell);
        IconStyleDesc centred;
        CVNQWidgetBaseImpl::drawImageAt(painter, iconPath, centred, iconRect.x(), iconRect.y(), iconRect.width(),
                                        iconRect.height(), false);
        painter->restore();
    }
    if (drawsCheckBox(column)) {
        m_impl->headerCheckBox->setChecked(checked);
        if (CVNQWidgetBaseImpl* box = m_impl->headerCheckBox->getControlImpl())
            box->draw(painter, checkRect(cell, m_impl->checkImageSize));
    }
    painter->restore();
}

QVector<TemplateEntry> CVNQTableViewitemDelegate::layOutTemplate(CVNQContainer* container, const QSize& cell)
{
    // One hidden container serves every cell: sized to the cell and laid
    // out, its controls are then drawn or hit where the layout put them.
    container->resize(cell);
    container->forceResize();
    return templateList(container);
}

void CVNQTableViewitemDelegate::paintTemplate(QPainter* painter, const QRect& cell, CVNQContainer* container) const
{
    const QVector<TemplateEntry> list = layOutTemplate(container, cell.size());
    if (list.isEmpty())
        return;
    painter->save();
    painter->setClipRect(cell, Qt::ReplaceClip);
    list.first().impl->draw(painter, cell);
    const QPoint pointer = m_impl->pointerInViewport();
    for (int i = 1; i < list.size(); ++i) {
        const TemplateEntry& e = list.at(i);
        if (!e.impl->getDelegateItemVisible())
            continue;
        const QRect r = entryRect(e, cell.topLeft());
        // The hover state exists only while the control is drawn.
        if (r.contains(pointer)) {
            e.impl->setState(CtrlStateHover);
            e.impl->draw(painter, r);
            e.impl->setState(CtrlStateNormal);
        } else {
            e.impl->draw(painter, r);
        }
    }
    painter->restore();
}

bool CVNQTableViewitemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                            const QStyleOptionViewItem& option, const QModelIndex& index)
{
    const int column = index.column();
    const bool checkColumn = drawsCheckBox(column);
    CVNQContainer* container = m_impl->columnWidget(column);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (checkColumn && model && checkRect(option.rect, m_impl->checkImageSize).contains(me->pos())) {
            const bool checked = index.data(Qt::CheckStateRole).toBool();
            model->setData(index, QVariant(!checked), Qt::CheckStateRole);
        }
        if (container) {
            // Hit where the press happened, wherever the pointer is by now.
            const QVector<TemplateEntry> list = layOutTemplate(container, option.rect.size());
            const int hit = hitTemplate(list, option.rect.topLeft(), me->pos());
            if (hit >= 0)
                emit m_view->customControlClicked(index.row(), list.at(hit).widget->objectName());
        }
        break;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        // The press above already flipped the box: its release and double
        // click are taken, so they start no edit.
        auto* me = static_cast<QMouseEvent*>(event);
        if (checkColumn && checkRect(option.rect, m_impl->checkImageSize).contains(me->pos()))
            return true;
        break;
    }
    case QEvent::KeyPress: {
        // The keyboard flips the box it draws, as a press on it does: the
        // row's box, whichever cell of the selected row is current.
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QModelIndex box = index.sibling(index.row(), 0);
        if (drawsCheckBox(0) && model && (key == Qt::Key_Space || key == Qt::Key_Select)) {
            model->setData(box, QVariant(!box.data(Qt::CheckStateRole).toBool()), Qt::CheckStateRole);
            return true;
        }
        break;
    }
    case QEvent::MouseMove: {
        m_impl->setHoveredRow(index.row());
        // Template controls hover with the pointer, so the cell under it
        // repaints at once (Qt repaints the cell it has left).
        if (container)
            m_view->viewport()->repaint(option.rect);
        break;
    }
    default: break;
    }
    return CVNQItemDelegate::editorEvent(event, model, option, index);
}

} // namespace CVNQtLib

#include "moc_CVNQTableViewitemDelegate.cpp"
