#pragma once

#include "CVNQStateStyles.h"
#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"

namespace CVNQtLib {

class CVNQComboBox;

// Styles of the closed box and of its popup list; the list and its item
// delegate read the popup styles from here.
class CVNQ_EXPORT CVNQComboBoxImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQComboBoxImpl(CVNQComboBox* owner, const QString& typeName);

    void draw(QPainter* painter, const QRect& rect) override;
    // Sample items inside the maker's emulator or designer.
    void createComplete() override;

    CVNQComboBox* combo() const;

    // Where the closed box draws its parts inside rect; the icon rectangle
    // is empty when the current item has no icon.
    struct Layout
    {
        QRect icon;
        QRect text;
        QRect button;
    };
    static Layout layoutFor(const QRect& rect, int widgetHeight, bool hasIcon);
    // A copy of style whose x offset is at least 10 when it is left-aligned.
    static TextStyleDesc indentedText(const TextStyleDesc& style);

    // The style groups in "style" list order, each after the last; the
    // popup background keeps one style.
    struct Slots
    {
        static constexpr CVNQStyleSlot background{"Background", StyleKindFill, 0, CtrlStateCount};
        static constexpr CVNQStyleSlot button = background.next("BtnBackground", StyleKindFill, CtrlStateCount);
        static constexpr CVNQStyleSlot text = button.next("TextStyle", StyleKindText, CtrlStateCount);
        // Labelled as the button background in the property table.
        static constexpr CVNQStyleSlot popup = text.next("BtnBackground", StyleKindFill, 1);
        static constexpr CVNQStyleSlot item = popup.next("ItemBg", StyleKindFill, CtrlStateCount);
        static constexpr CVNQStyleSlot itemText = item.next("ItemText", StyleKindText, CtrlStateCount);
    };

    CVNQStateStyles<QString> btnIcons;
    int itemHeight = 25;
    CVNQFillStyles backgrounds;
    CVNQFillStyles btnBackgrounds;
    CVNQTextStyles textStyles;
    FillStyle popupBackground;
    CVNQFillStyles itemBackgrounds;
    CVNQTextStyles itemTextStyles;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib
