#include "CVNQMenuBarImpl.h"

#include "CVNJson.h"
#include "CVNQMenuBar.h"
#include "CVNQMenuItems.h"
#include "CVNQPainters.h"

#include <QAction>
#include <QFont>

namespace CVNQtLib {

CVNQMenuBarImpl::CVNQMenuBarImpl(CVNQMenuBar* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{}

CVNQMenuBarImpl::~CVNQMenuBarImpl() = default;

CVNQMenuBar* CVNQMenuBarImpl::bar() const
{
    return static_cast<CVNQMenuBar*>(m_owner);
}

void CVNQMenuBarImpl::draw(QPainter* painter, const QRect& rect)
{
    if (!m_owner)
        return;
    drawFillStyle(painter, background, rect);
    const QList<QAction*> items = bar()->actions();
    for (int i = 0; i < items.size(); ++i) {
        QRect r = bar()->actionGeometry(items.at(i));
        // Hidden items and those in the overflow have no place on the bar.
        if (r.isEmpty())
            continue;
        r.setHeight(m_owner->height());
        const int state = i == hoverIndex ? CtrlStateHover : CtrlStateNormal;
        drawFillStyle(painter, itemBackgrounds[state], r);
        drawText(painter, items.at(i)->text(), itemTextStyles[state], r);
    }
}

void CVNQMenuBarImpl::trackHover(const QPoint& pos)
{
    if (!m_owner)
        return;
    const int index = cvnItemIndexAt(bar(), pos);
    if (index != -1 && index != hoverIndex) {
        hoverIndex = index;
        m_owner->repaint();
    }
}

void CVNQMenuBarImpl::clearHover()
{
    if (hoverIndex == -1 || !m_owner)
        return;
    hoverIndex = -1;
    m_owner->repaint();
}

void CVNQMenuBarImpl::readJson(const Json::Value& node)
{
    if (!m_owner)
        return;
    cvnForEachStyleEntry(node, [this](const QString& name, int, int slot) { readStyleEntry(name, slot); });
}

void CVNQMenuBarImpl::readStyleEntry(const QString& name, int slot)
{
    if (slot == Slots::background.first) {
        cvnLookupStyle(name, background);
    } else if (slot == Slots::itemText.first) {
        TextStyleDesc style = itemTextStyles.get(0);
        if (cvnLookupStyle(name, style)) {
            itemTextStyles.setAll(style);
            applyItemFont();
        }
    } else if (slot == Slots::popup.first) {
        FillStyle style = popupBackground;
        if (cvnLookupStyle(name, style)) {
            popupBackground = style;
            popupItemBackgrounds.setAll(style);
        }
    } else if (slot == Slots::popupText.first) {
        cvnLookupStyle(name, popupTextStyles.at(0));
    } else {
        itemBackgrounds.readEntry(Slots::item, slot, name) || itemTextStyles.readEntry(Slots::itemText, slot, name) ||
            popupItemBackgrounds.readEntry(Slots::popupItem, slot, name) ||
            popupTextStyles.readEntry(Slots::popupText, slot, name);
    }
}

void CVNQMenuBarImpl::applyItemFont()
{
    // A style of size 0 or less would ask Qt for a pixel size it refuses.
    QFont font = m_owner->font();
    font.setPixelSize(qMax(1, cvnStylePixelSize(itemTextStyles.get(0).size) + 1));
    m_owner->setFont(font);
}

void CVNQMenuBarImpl::writeJson(Json::Value& node) const
{
    Json::Value list(Json::arrayValue);
    cvnWriteSlotEntry(list, Slots::background, background);
    itemBackgrounds.writeCompact(list, Slots::item);
    itemTextStyles.writeCompact(list, Slots::itemText);
    cvnWriteSlotEntry(list, Slots::popup, popupBackground);
    popupItemBackgrounds.writeCompact(list, Slots::popupItem);
    // The pop-up texts' first index reads into state 0 only, so every named
    // state is written under its own index; a compact entry would lose the
    // others.
    popupTextStyles.writeAll(list, Slots::popupText);
    jsonMember(node, "style") = list;
}

} // namespace CVNQtLib

#include "moc_CVNQMenuBarImpl.cpp"
