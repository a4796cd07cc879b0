#pragma once

// Styles and hover state of the themed menu, its painting and its JSON
// routine (styles by name, then the item tree).

#include "CVNQStateStyles.h"
#include "CVNQWidgetBaseImpl.h"

#include <QRegion>

namespace CVNQtLib {

class CVNQMenu;

class CVNQ_EXPORT CVNQMenuImpl : public CVNQWidgetBaseImpl
{
    Q_OBJECT
public:
    CVNQMenuImpl(CVNQMenu* owner, const QString& typeName);
    ~CVNQMenuImpl() override;

    // Background, then per item: icon, item fill, text and sub-menu arrow.
    // Only the normal and hovered looks are drawn.
    void draw(QPainter* painter, const QRect& rect) override;
    // Reads the menu keys of the node; writing emits nothing of the menu.
    bool serializeJsonValue(Json::Value** node, bool read) override;

    // Stores the item under pos (first in action order) and repaints when it
    // changed; a position over no item keeps the hovered one.
    void trackHover(const QPoint& pos);

    CVNQMenu* menu() const;

    CVNQFillStyles itemBackgrounds;
    CVNQTextStyles itemTextStyles;
    FillStyle background;
    int iconOffset = 0;
    int hoverIndex = -1;
    // The region of the paint event being served; items outside it are not
    // drawn. Empty: everything is drawn.
    QRegion paintRegion;

private:
    void readStyles(const Json::Value& node);
    // Appends the item nodes of items to menu, recursing into sub-menus.
    static void readItems(CVNQMenu* menu, const Json::Value& items);
};

} // namespace CVNQtLib
