#include "CVNQTreeView.h"

#include "CVNQControlInfo.h"

#include "CVNQItemViewSetup.h"
#include "CVNQScrollBar.h"
#include "CVNQTreeConerWidget.h"
#include "CVNQTreeViewImpl.h"
#include "CVNQTreeViewItemDelegate.h"
#include "CVNQTreeViewport.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQTreeView, CVNQTreeViewImpl, "qttree")

CVNQTreeView::CVNQTreeView(QWidget* parent)
    : QTreeView(parent)
{
    m_impl.reset(new CVNQTreeViewImpl(this, typeName()));
    m_delegate = new CVNQTreeViewItemDelegate(m_impl.get(), this);
    auto* horizontalBar = new CVNQScrollBar(Qt::Horizontal, this);
    auto* verticalBar = new CVNQScrollBar(Qt::Vertical, this);
    header()->hide();
    m_cornerWidget = new CVNQTreeConerWidget(this);
    m_cornerWidget->setImpl(m_impl.get());
    setCornerWidget(m_cornerWidget);
    m_viewport = new CVNQTreeViewport(this);
    m_viewport->setImpl(m_impl.get());
    setViewport(m_viewport);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBar(verticalBar);
    setHorizontalScrollBar(horizontalBar);
    setItemDelegate(m_delegate);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    m_viewport->installEventFilter(this);
    setExpandsOnDoubleClick(true);
    setMouseTracking(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Every row is the item height: per-pixel scrolling then needs no
    // measure of each row.
    setUniformRowHeights(true);
    // No theme entry here: the tree takes its styles from its node, its
    // setters or a later theme refresh.
}

CVNQTreeView::~CVNQTreeView()
{
    // The delegate holds the implementation object; it must not outlive it
    // in the view's hands.
    if (itemDelegate() == m_delegate)
        setItemDelegate(nullptr);
    delete m_delegate;
}

ControlInfo CVNQTreeView::getProps()
{
    using V = CVNQTreeView;
    ControlInfo info = cvnMakeControlInfo(typeName(), "TreeView", "Control TreeView", "CVNQTreeView", "tree");
    std::vector<PropertyDef>& rows = info.properties;
    using Slots = CVNQItemViewSlots;
    rows.push_back(cvnStyleRow<V>(Slots::background, &V::setBackground, &V::getBackground));
    rows.push_back(cvnStyleRow<V>(Slots::item, &V::setItemBackground, &V::getItemBackground));
    rows.push_back(cvnStyleRow<V>(Slots::itemText, &V::setItemTextStyle, &V::getItemTextStyle));
    rows.push_back(cvnIntRow<V>(QStringLiteral("ItemHeight"), PropInt, &V::setItemHeight, &V::getItemHeight));
    return info;
}

void CVNQTreeView::setBackground(CommonCtrlState, const FillStyle& style)
{
    m_impl->background = style;
    viewport()->update();
}
const FillStyle& CVNQTreeView::getBackground(CommonCtrlState) const
{
    return m_impl->background;
}
void CVNQTreeView::setItemBackground(CtrlState state, const FillStyle& style)
{
    m_impl->itemBackgrounds.set(state, style);
    viewport()->update();
}
const FillStyle& CVNQTreeView::getItemBackground(CtrlState state) const
{
    return m_impl->itemBackgrounds.get(state);
}
void CVNQTreeView::setItemTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->itemTextStyles.set(state, style);
    viewport()->update();
}
const TextStyleDesc& CVNQTreeView::getItemTextStyle(CtrlState state) const
{
    return m_impl->itemTextStyles.get(state);
}
void CVNQTreeView::setHeaderBgStyle(CtrlState state, const FillStyle& style)
{
    m_impl->headerBackgrounds.set(state, style);
}
void CVNQTreeView::setHeaderTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->headerTextStyles.set(state, style);
}

void CVNQTreeView::setItemHeight(int height)
{
    m_impl->itemHeight = height;
    // Rows keep the heights they were measured with until laid out again.
    scheduleDelayedItemsLayout();
}

int CVNQTreeView::getItemHeight() const
{
    return m_impl->itemHeight;
}

CVNQScrollBar* CVNQTreeView::themedScrollBar(bool horizontal) const
{
    return qobject_cast<CVNQScrollBar*>(horizontal ? horizontalScrollBar() : verticalScrollBar());
}

void CVNQTreeView::setScrollbarSize(bool, int size)
{
    m_impl->scrollbarSize = size;
    const QString sheet =
        QStringLiteral("QScrollBar::vertical{ width:%1; } QScrollBar::horizontal{ height:%2; } ").arg(size).arg(size);
    verticalScrollBar()->setStyleSheet(sheet);
    horizontalScrollBar()->setStyleSheet(sheet);
}

void CVNQTreeView::setScrollbarBtnSize(bool, int size)
{
    m_impl->scrollbarBtnSize = size;
}

void CVNQTreeView::initDemoData()
{
    m_impl->createComplete();
}

bool CVNQTreeView::eventFilter(QObject* watched, QEvent* event)
{
    // The background goes under the rows on the viewport itself; the rows
    // are painted next, on the same device.
    if (watched == viewport() && event->type() == QEvent::Paint) {
        QPainter painter(viewport());
        CVNQWidgetBaseImpl::drawFillStyleAt(&painter, m_impl->background, 0, 0, viewport()->width(),
                                            viewport()->height());
        return false;
    }
    return QAbstractItemView::eventFilter(watched, event);
}

} // namespace CVNQtLib

#include "moc_CVNQTreeView.cpp"
