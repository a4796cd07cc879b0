#include "CVNQTabWidget.h"

#include "CVNQControlInfo.h"
#include "CVNQOutlives.h"
#include "CVNQTabWidgetImpl.h"

#include <QMouseEvent>
#include <algorithm>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQTabWidget, CVNQTabWidgetImpl, "qttab")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQTabWidget)

CVNQTabWidget::CVNQTabWidget(QWidget* parent)
    : QWidget(parent)
{
    m_impl.reset(new CVNQTabWidgetImpl(this));
    m_impl->applyTheme();
    // Hover follows the pointer without a pressed button.
    setAttribute(Qt::WA_MouseTracking, true);
}

CVNQTabWidget::~CVNQTabWidget() = default;

ControlInfo CVNQTabWidget::getProps()
{
    ControlInfo info = cvnMakeControlInfo(typeName(), "TabWidget", "Control TabWidget", "CVNQTabWidget", "tab");
    using Slots = CVNQTabWidgetImpl::Slots;
    info.properties.push_back(cvnStyleRow<CVNQTabWidget>(Slots::background, &CVNQTabWidget::setBackground,
                                                         &CVNQTabWidget::getBackground, cvnTwoStateChoices()));
    info.properties.push_back(
        cvnStyleRow<CVNQTabWidget>(Slots::item, &CVNQTabWidget::setItemBackground, &CVNQTabWidget::getItemBackground));
    info.properties.push_back(cvnStyleRow<CVNQTabWidget>(Slots::itemText, &CVNQTabWidget::setItemTextStyle,
                                                         &CVNQTabWidget::getItemTextStyle));
    info.properties.push_back(
        cvnBoolRow<CVNQTabWidget>(QStringLiteral("IsHorizontal"), &CVNQTabWidget::setIsHor, &CVNQTabWidget::getIsHor));
    info.properties.push_back(cvnIntRow<CVNQTabWidget>(QStringLiteral("ItemSize"), PropInt, &CVNQTabWidget::setItemSize,
                                                       &CVNQTabWidget::getItemSize));
    info.properties.push_back(cvnIntRow<CVNQTabWidget>(QStringLiteral("ItemSpace"), PropInt,
                                                       &CVNQTabWidget::setItemSpace, &CVNQTabWidget::getItemSpace));
    info.properties.push_back(cvnBoolRow<CVNQTabWidget>(QStringLiteral("ShowText"), &CVNQTabWidget::setShowText,
                                                        &CVNQTabWidget::getShowText));
    info.properties.push_back(cvnBoolRow<CVNQTabWidget>(QStringLiteral("ShowIcon"), &CVNQTabWidget::setShowIcon,
                                                        &CVNQTabWidget::getShowIcon));
    return info;
}

void CVNQTabWidget::addTab(const QString& text, const QString& icon, const QString& hotIcon)
{
    m_impl->items.push_back(CVNQTabItem{icon, hotIcon, text, QVariant()});
    update();
}

void CVNQTabWidget::removeTab(int index)
{
    CVNQTabWidgetImpl& d = *m_impl;
    if (!d.isValidIndex(index))
        return;
    d.items.removeAt(index);
    // The selected item stays selected. Removed, the item that moved into
    // its place (or the new last one) is selected and reported, as the stack
    // container does with its current page.
    if (index < d.selected) {
        --d.selected;
    } else if (index == d.selected) {
        d.selected = std::min(index, int(d.items.size()) - 1);
        if (!cvnOutlives(this, [&] { emit currentChanged(d.selected); }))
            return;
    }
    update();
}

void CVNQTabWidget::clear()
{
    m_impl->items.clear();
    update();
}

void CVNQTabWidget::removeAllTab()
{
    clear();
}

int CVNQTabWidget::getTabCount() const
{
    return m_impl->items.size();
}

QString CVNQTabWidget::getTabText(int index) const
{
    return m_impl->isValidIndex(index) ? m_impl->items.at(index).text : QString();
}

bool CVNQTabWidget::setItemData(int index, const QVariant& data)
{
    if (!m_impl->isValidIndex(index))
        return false;
    m_impl->items[index].data = data;
    return true;
}

QVariant CVNQTabWidget::getItemData(int index) const
{
    return m_impl->isValidIndex(index) ? m_impl->items.at(index).data : QVariant();
}

void CVNQTabWidget::setSelectedIndex(int index)
{
    if (index >= m_impl->items.size())
        return;
    if (index == m_impl->selected)
        return;
    m_impl->selected = index;
    if (cvnOutlives(this, [&] { emit currentChanged(index); }))
        update();
}

int CVNQTabWidget::getSelectedIndex() const
{
    return m_impl->selected;
}

void CVNQTabWidget::setIsHor(bool horizontal)
{
    m_impl->vertical = !horizontal;
    update();
}

bool CVNQTabWidget::getIsHor() const
{
    return !m_impl->vertical;
}

void CVNQTabWidget::setItemSize(int size)
{
    m_impl->itemSize = size;
    update();
}

int CVNQTabWidget::getItemSize() const
{
    return m_impl->itemSize;
}

void CVNQTabWidget::setItemSpace(int space)
{
    m_impl->itemSpace = space;
    update();
}

int CVNQTabWidget::getItemSpace() const
{
    return m_impl->itemSpace;
}

void CVNQTabWidget::setShowText(bool show)
{
    m_impl->showText = show;
    update();
}

bool CVNQTabWidget::getShowText() const
{
    return m_impl->showText;
}

void CVNQTabWidget::setShowIcon(bool show)
{
    m_impl->showIcon = show;
    update();
}

bool CVNQTabWidget::getShowIcon() const
{
    return m_impl->showIcon;
}

void CVNQTabWidget::setBackground(const FillStyle& style)
{
    m_impl->background = style;
    update();
}

const FillStyle& CVNQTabWidget::getBackground() const
{
    return m_impl->background;
}

void CVNQTabWidget::setItemBackground(CtrlState state, const FillStyle& style)
{
    m_impl->itemBackgrounds.set(state, style);
    update();
}

const FillStyle& CVNQTabWidget::getItemBackground(CtrlState state) const
{
    return m_impl->itemBackgrounds.get(state);
}

void CVNQTabWidget::setItemTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->itemTextStyles.set(state, style);
    update();
}

const TextStyleDesc& CVNQTabWidget::getItemTextStyle(CtrlState state) const
{
    return m_impl->itemTextStyles.get(state);
}

void CVNQTabWidget::initDemoData()
{
    createComplete();
}

void CVNQTabWidget::mousePressEvent(QMouseEvent* event)
{
    const int index = m_impl->itemAt(event->pos());
    if (index < 0)
        return;
    // A press reports the item even when it is already selected.
    m_impl->selected = index;
    if (cvnOutlives(this, [&] { emit currentChanged(index); }))
        update();
}

void CVNQTabWidget::mouseReleaseEvent(QMouseEvent*) {}

void CVNQTabWidget::mouseMoveEvent(QMouseEvent* event)
{
    const int index = m_impl->itemAt(event->pos());
    if (index < 0 || index == m_impl->hover)
        return;
    m_impl->hover = index;
    repaint();
}

void CVNQTabWidget::leaveEvent(QEvent*)
{
    if (m_impl->hover == -1)
        return;
    m_impl->hover = -1;
    repaint();
}

} // namespace CVNQtLib

#include "moc_CVNQTabWidget.cpp"
