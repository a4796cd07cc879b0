#include "CVNQTabWidgetImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQLayoutMath.h"
#include "CVNQtLib.h"

#include <QPainter>

namespace CVNQtLib {

CVNQTabWidgetImpl::CVNQTabWidgetImpl(CVNQTabWidget* owner)
    : CVNQControlImpl(owner, QString::fromLatin1(CVNQTabWidget::typeName()))
{}

QRect CVNQTabWidgetImpl::itemRect(int index) const
{
    // Sizes from a page file may put far items past the int range: their
    // edges stop at its end instead of wrapping around onto the first ones.
    const qint64 start = (qint64(itemSize) + itemSpace) * index;
    const int first = cvnToLength(start);
    const int last = cvnToLength(start + itemSize - 1);
    const int across = m_owner ? (vertical ? m_owner->width() : m_owner->height()) : 0;
    if (vertical)
        return QRect(QPoint(0, first), QPoint(across - 1, last));
    return QRect(QPoint(first, 0), QPoint(last, across - 1));
}

int CVNQTabWidgetImpl::itemAt(const QPoint& pos) const
{
    for (int i = 0; i < items.size(); ++i)
        if (itemRect(i).contains(pos))
            return i;
    return -1;
}

void CVNQTabWidgetImpl::draw(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, background, rect);
    for (int i = 0; i < items.size(); ++i) {
        const CVNQTabItem& item = items.at(i);
        // The disabled look is not used by the strip.
        const int state = i == selected ? CtrlStatePressed : (i == hover ? CtrlStateHover : CtrlStateNormal);
        const QRect r = itemRect(i);
        drawFillStyle(painter, itemBackgrounds[state], r);
        if (showText)
            drawText(painter, item.text, itemTextStyles[state], r);
        if (showIcon) {
            const QString& icon = i == selected ? item.hotIcon : item.icon;
            if (!icon.isEmpty())
                drawImage(painter, icon, iconPlacement, r, false);
        }
    }
}

void CVNQTabWidgetImpl::createComplete()
{
    if (!cvnIsQtEmulator())
        return;
    for (const char* caption : {"item1", "item2", "item3"})
        items.push_back(CVNQTabItem{QString(), QString(), QString::fromLatin1(caption), QVariant()});
}

void CVNQTabWidgetImpl::readJson(const Json::Value& n)
{
    cvnForEachStyleEntry(n, [this](const QString& name, int, int index) {
        cvnReadSlotEntry(Slots::background, index, name, background) ||
            itemBackgrounds.readEntry(Slots::item, index, name) ||
            itemTextStyles.readEntry(Slots::itemText, index, name);
    });
    // Keys of an "attr" that is not there are not read as zeros: a
    // theme entry with styles only must not hide texts and icons.
    const Json::Value& attr = jsonGet(n, "attr");
    if (attr.isObject()) {
        jsonRead(attr, "itemSize", itemSize);
        bool hor = true;
        jsonRead(attr, "isHor", hor);
        vertical = !hor;
        jsonRead(attr, "itemSpace", itemSpace);
        jsonRead(attr, "showText", showText);
        jsonRead(attr, "hasIcon", showIcon);
    }
}

void CVNQTabWidgetImpl::writeJson(Json::Value& n) const
{
    Json::Value list(Json::arrayValue);
    cvnWriteSlotEntry(list, Slots::background, background);
    itemBackgrounds.writeCompact(list, Slots::item);
    itemTextStyles.writeCompact(list, Slots::itemText);
    jsonMember(n, "style") = list.empty() ? Json::Value() : list;

    cvnWriteOwnAttr(n, "itemSize", itemSize != 50, itemSize);
    cvnWriteOwnAttr(n, "isHor", vertical, 0);
    cvnWriteOwnAttr(n, "itemSpace", itemSpace != 0, itemSpace);
    cvnWriteOwnAttr(n, "showText", !showText, 0);
    cvnWriteOwnAttr(n, "hasIcon", !showIcon, 0);
    cvnDropEmptyAttr(n);
}

} // namespace CVNQtLib

#include "moc_CVNQTabWidgetImpl.cpp"
