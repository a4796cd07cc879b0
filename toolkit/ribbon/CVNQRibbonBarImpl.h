#pragma once

// Style set and control JSON of CVNQRibbonBar. The style slots are the
// numbers of the control's "style" entries: fills 0 (bar), 1 (page stack),
// 2 (groups), 4-7 (tab states), 8-11 (command button states), 16 (rows),
// 17 (accent, kept only), 18 (galleries); texts 12 (tabs), 13 (group
// titles), 14 (command buttons; 15 is read as 14).

#include "CVNQControlImpl.h"
#include "CVNQStateStyles.h"

namespace CVNQtLib {

class CVNQRibbonBar;

class CVNQRibbonBarImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    // Indexes of the "style" list; the two button groups keep a style per
    // control state, every other index one style.
    enum Slot
    {
        BarBackground = 0,
        PageBackground = 1,
        GroupBackground = 2,
        TabFirst = 4,
        CommandFirst = TabFirst + CtrlStateCount,
        TabText = CommandFirst + CtrlStateCount,
        GroupTitleText,
        CommandText,
        CommandTextAlias,
        RowBackground,
        AccentBackground,
        GalleryBackground
    };
    struct Slots
    {
        static constexpr CVNQStyleSlot tabs{"TabBackground", StyleKindFill, TabFirst, CtrlStateCount};
        static constexpr CVNQStyleSlot commands{"CommandBackground", StyleKindFill, CommandFirst, CtrlStateCount};
    };

    explicit CVNQRibbonBarImpl(CVNQRibbonBar* owner);

    // The fill or text style of a slot; a slot of the other kind or none
    // answers an invalid default.
    const FillStyle& fill(int slot) const;
    const TextStyleDesc& text(int slot) const;

    void draw(QPainter* painter, const QRect& rect) override;
    void notifyChangeLanguage() override;

    CVNQFillStyles tabs;
    CVNQFillStyles commands;
    // The slots that keep one style each.
    FillStyle barBackground;
    FillStyle pageBackground;
    FillStyle groupBackground;
    FillStyle rowBackground;
    FillStyle accentBackground;
    FillStyle galleryBackground;
    TextStyleDesc tabText;
    TextStyleDesc groupTitleText;
    TextStyleDesc commandText;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;

private:
    CVNQRibbonBar* bar() const;
    FillStyle* singleFill(int slot);
    TextStyleDesc* textSlot(int slot);
    void readStyleEntry(const QString& name, int kind, int slot);
    // False when a slot of the bar's signals deleted the bar (and with it
    // this object) while the node was read.
    bool readAttr(const Json::Value& attr);
};

} // namespace CVNQtLib
