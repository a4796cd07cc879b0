#pragma once

// Styles and hover state of the themed menu bar, its painting and its
// "style" list.

#include "CVNQControlImpl.h"
#include "CVNQStateStyles.h"

namespace CVNQtLib {

class CVNQMenuBar;

class CVNQ_EXPORT CVNQMenuBarImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQMenuBarImpl(CVNQMenuBar* owner, const QString& typeName);
    ~CVNQMenuBarImpl() override;

    // Background, then each top-level item at the bar's full height in the
    // hovered or the normal look.
    void draw(QPainter* painter, const QRect& rect) override;

    // Stores the item under pos (first in action order) and repaints at
    // once when it changed; a position over no item keeps the hovered one.
    void trackHover(const QPoint& pos);
    // The pointer left the bar: no item is hovered.
    void clearHover();

    CVNQMenuBar* bar() const;

    // The style groups in "style" list order, each after the last. The two
    // backgrounds keep one style each under one index (their property rows
    // still offer normal and disabled); the pop-up background shares the
    // pop-up items' first index.
    struct Slots
    {
        static constexpr CVNQStyleSlot background{"Background", StyleKindFill, 0, 1};
        static constexpr CVNQStyleSlot item = background.next("ItemBackground", StyleKindFill, CtrlStateCount);
        static constexpr CVNQStyleSlot itemText = item.next("ItemTextStyle", StyleKindText, CtrlStateCount);
        static constexpr CVNQStyleSlot popupItem = itemText.next("PopupItemBackground", StyleKindFill, CtrlStateCount);
        static constexpr CVNQStyleSlot popup{"PopupBackground", StyleKindFill, popupItem.first, 1};
        static constexpr CVNQStyleSlot popupText = popupItem.next("PopupItemTextStyle", StyleKindText, CtrlStateCount);
    };

    int hoverIndex = -1;
    FillStyle background;
    CVNQTextStyles itemTextStyles;
    CVNQFillStyles itemBackgrounds;
    FillStyle popupBackground;
    CVNQTextStyles popupTextStyles;
    CVNQFillStyles popupItemBackgrounds;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;

private:
    void readStyleEntry(const QString& name, int slot);
    // The item text style's size plus one, never below 1.
    void applyItemFont();
};

} // namespace CVNQtLib
