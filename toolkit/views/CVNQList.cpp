#include "CVNQList.h"

#include "CVNQControlInfo.h"

#include "CVNQItemViewSetup.h"
#include "CVNQListImpl.h"
#include "CVNQListItemDelegate.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollBarNode.h"

#include <QEvent>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQList, CVNQListImpl, "qtlist")

CVNQList::CVNQList(QWidget* parent)
    : QListWidget(parent)
{
    m_impl.reset(new CVNQListImpl(this, typeName()));
    m_delegate = new CVNQListItemDelegate(this, m_impl.get());
    setItemDelegate(m_delegate);
    cvnSetUpItemView(this, m_horizontalScrollBar, m_verticalScrollBar);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    // Items are drawn hovered from Qt's hover index, which follows hover
    // events of the viewport.
    viewport()->setAttribute(Qt::WA_Hover);
    m_impl->applyTheme();
}

CVNQList::~CVNQList()
{
    cvnDeleteItemDelegate(this, m_delegate);
}

void CVNQList::setIsMultiSelected(bool multi)
{
    setSelectionMode(multi ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
}
bool CVNQList::getIsMultiSelected() const
{
    return selectionMode() != QAbstractItemView::SingleSelection;
}
void CVNQList::setItemHeight(int height)
{
    m_impl->itemHeight = height;
    scheduleDelayedItemsLayout();
}
int CVNQList::getItemHeight() const
{
    return m_impl->itemHeight;
}

void CVNQList::setBackground(CommonCtrlState, const FillStyle& style)
{
    m_impl->background = style;
    viewport()->update();
}
const FillStyle& CVNQList::getBackground(CommonCtrlState) const
{
    return m_impl->background;
}
void CVNQList::setItemBackground(CtrlState state, const FillStyle& style)
{
    m_impl->itemBackground.set(state, style);
    viewport()->update();
}
const FillStyle& CVNQList::getItemBackground(CtrlState state) const
{
    return m_impl->itemBackground.get(state);
}
void CVNQList::setItemTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->itemTextStyle.set(state, style);
    viewport()->update();
}
const TextStyleDesc& CVNQList::getItemTextStyle(CtrlState state) const
{
    return m_impl->itemTextStyle.get(state);
}

CVNQScrollBar* CVNQList::themedScrollBar(bool horizontal) const
{
    return qobject_cast<CVNQScrollBar*>(horizontal ? horizontalScrollBar() : verticalScrollBar());
}

void CVNQList::setScrollbarSize(bool, int size)
{
    const QString sheet = cvnScrollBarThicknessSheet(size, size);
    horizontalScrollBar()->setStyleSheet(sheet);
    verticalScrollBar()->setStyleSheet(sheet);
}

void CVNQList::setScrollbarBtnSize(bool, int) {}

bool CVNQList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Paint)
        cvnPaintViewportBackground(viewport(), m_impl->background);
    return QListWidget::eventFilter(watched, event);
}

ControlInfo CVNQList::getProps()
{
    using L = CVNQList;
    ControlInfo info = cvnMakeControlInfo(typeName(), "List", "Control List", "CVNQList", "list");
    std::vector<PropertyDef>& rows = info.properties;
    using Slots = CVNQItemViewSlots;
    rows.push_back(cvnStyleRow<L>(Slots::background, &L::setBackground, &L::getBackground));
    rows.push_back(cvnStyleRow<L>(Slots::item, &L::setItemBackground, &L::getItemBackground));
    rows.push_back(cvnStyleRow<L>(Slots::itemText, &L::setItemTextStyle, &L::getItemTextStyle));
    rows.push_back(cvnBoolRow<L>(QStringLiteral("MultiSelect"), &L::setIsMultiSelected, &L::getIsMultiSelected));
    rows.push_back(cvnIntRow<L>(QStringLiteral("ItemHeight"), PropInt, &L::setItemHeight, &L::getItemHeight));
    return info;
}

} // namespace CVNQtLib

#include "moc_CVNQList.cpp"
