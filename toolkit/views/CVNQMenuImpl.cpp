#include "CVNQMenuImpl.h"

#include "CVNJson.h"
#include "CVNQMenu.h"
#include "CVNQMenuItems.h"
#include "CVNQResourceManager.h"

#include <QAction>
#include <QBrush>
#include <QIcon>
#include <QPainter>
#include <QPolygon>

namespace CVNQtLib {

namespace {

const char* const kIconPathProperty = "cvn_menu_icon_path";

// Looks the name under key up; a missing, wrongly typed or unknown name
// leaves the style as it was.
template <class T>
bool readNamedStyle(const Json::Value& node, const char* key, T& style)
{
    const QString name = jsonString(node, key);
    return !name.isEmpty() && cvnLookupStyle(name, style);
}

// A group's keys are its prefix and the state ("item0", "item1", ...): the
// first sets every state, the later ones their own.
template <class T>
void readStateGroup(const Json::Value& node, const char* prefix, CVNQStateStyles<T>& styles)
{
    for (int state = 0; state < CtrlStateCount; ++state) {
        const QByteArray key = prefix + QByteArray::number(state);
        T style = styles.get(state);
        if (!readNamedStyle(node, key.constData(), style))
            continue;
        if (state == CtrlStateNormal)
            styles.setAll(style);
        else
            styles.set(state, style);
    }
}

} // namespace

CVNQMenuImpl::CVNQMenuImpl(CVNQMenu* owner, const QString& typeName)
    : CVNQWidgetBaseImpl(owner, typeName)
{}

CVNQMenuImpl::~CVNQMenuImpl() = default;

CVNQMenu* CVNQMenuImpl::menu() const
{
    return static_cast<CVNQMenu*>(m_owner);
}

void CVNQMenuImpl::draw(QPainter* painter, const QRect& rect)
{
    if (!m_owner)
        return;
    drawFillStyle(painter, background, rect);
    const IconStyleDesc placement; // centred, untinted
    const QList<QAction*> items = menu()->actions();
    for (int i = 0; i < items.size(); ++i) {
        QAction* action = items.at(i);
        const QRect r = menu()->actionGeometry(action);
        // Hidden items have no geometry; their text would land at the corner.
        if (r.isEmpty())
            continue;
        if (!paintRegion.isEmpty() && !paintRegion.intersects(r))
            continue;
        QRect textRect = r;
        if (iconOffset != 0) {
            textRect.setLeft(r.left() + iconOffset + 4);
            QRect iconRect = r;
            iconRect.setWidth(iconOffset);
            const QString path = action->property(kIconPathProperty).toString();
            if (path.isEmpty())
                drawIcon(painter, action->icon(), QSize(16, 16), placement, iconRect);
            else
                drawImage(painter, path, placement, iconRect);
        }
        const int state = (i == hoverIndex && !action->isSeparator()) ? CtrlStateHover : CtrlStateNormal;
        drawFillStyle(painter, itemBackgrounds[state], r);
        drawText(painter, action->text(), itemTextStyles[state], textRect);
        if (action->menu()) {
            const int midY = r.top() + r.height() / 2;
            const QPolygon arrow(
                {QPoint(r.right() - 2, midY), QPoint(r.right() - 7, midY - 5), QPoint(r.right() - 7, midY + 5)});
            painter->save();
            painter->setPen(Qt::NoPen);
            painter->setBrush(QBrush(QColor(204, 204, 204)));
            painter->drawPolygon(arrow);
            painter->restore();
        }
    }
}

void CVNQMenuImpl::trackHover(const QPoint& pos)
{
    if (!m_owner)
        return;
    const int index = cvnItemIndexAt(menu(), pos);
    if (index == -1 || index == hoverIndex)
        return;
    // Only the item that loses the hover look and the one that gains it
    // change; the rest of the translucent pop-up stays as it is.
    const QList<QAction*> items = menu()->actions();
    if (hoverIndex >= 0 && hoverIndex < items.size())
        m_owner->update(menu()->actionGeometry(items.at(hoverIndex)));
    hoverIndex = index;
    m_owner->update(menu()->actionGeometry(items.at(index)));
}

bool CVNQMenuImpl::serializeJsonValue(Json::Value** node, bool read)
{
    // The menu is never written; a write must not read either, or it would
    // append the node's items once more.
    if (!read || !node || !*node || !m_owner)
        return true;
    const Json::Value& n = **node;
    // Styles only come with a background (a null node has every key).
    if (jsonHasMember(n, "background"))
        readStyles(n);
    // A theme entry styles the menu; its items would be added again on
    // every theme refresh.
    if (!CVNQResourceManager::getInstance()->isLoadFromThemeRes())
        readItems(menu(), jsonGet(n, "items"));
    return true;
}

void CVNQMenuImpl::readStyles(const Json::Value& node)
{
    readNamedStyle(node, "background", background);
    readStateGroup(node, "item", itemBackgrounds);
    readStateGroup(node, "text", itemTextStyles);
}

void CVNQMenuImpl::readItems(CVNQMenu* menu, const Json::Value& items)
{
    const int count = jsonSize(items);
    for (int i = 0; i < count; ++i) {
        const Json::Value& item = jsonAt(items, i);
        // A null entry has every key (an empty sub-menu); an entry of any
        // other type than an object is no item at all.
        if (!item.isNull() && !item.isObject())
            continue;
        const QString text = jsonString(item, "text");
        QString icon;
        const bool hasIcon = jsonRead(item, "icon", icon);
        // Any "items" makes a sub-menu; one that is no array leaves it empty.
        if (!jsonHasMember(item, "items")) {
            menu->addIconAction(icon, text);
            continue;
        }
        // Themed by the "qtmenu" entry first, then dressed like its parent.
        auto* sub = new CVNQMenu(menu);
        sub->setTitle(text);
        CVNQMenuImpl* parentImpl = menu->getImpl();
        CVNQMenuImpl* subImpl = sub->getImpl();
        subImpl->background = parentImpl->background;
        subImpl->itemBackgrounds = parentImpl->itemBackgrounds;
        subImpl->itemTextStyles = parentImpl->itemTextStyles;
        QAction* action = menu->addMenu(sub);
        if (hasIcon)
            action->setProperty(kIconPathProperty, icon);
        readItems(sub, jsonGet(item, "items"));
    }
}

} // namespace CVNQtLib

#include "moc_CVNQMenuImpl.cpp"
