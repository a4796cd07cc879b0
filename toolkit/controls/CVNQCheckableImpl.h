#pragma once

// What the check box and the radio button share: the text with its
// language key, the icon placement, the show flags, and their styles: an
// unchecked and a checked background per control state and three text
// styles, under the same "style" list indexes (CVNQCheckStyles::Slots).

#include "CVNQControlImpl.h"
#include "CVNQControlInfo.h"
#include "CVNQGlobal.h"
#include "CVNQStateStyles.h"

class QAbstractButton;

namespace CVNQtLib {

struct CVNQ_EXPORT CVNQCheckStyles
{
    // The style groups in "style" list order, each after the last, under
    // the check box's labels. The text group keeps the unchecked, the
    // checked and the disabled text style, each under its own index.
    struct Slots
    {
        static constexpr CVNQStyleSlot unchecked{"UncheckBg", StyleKindFill, 0, CtrlStateCount};
        static constexpr CVNQStyleSlot checked = unchecked.next("CheckedBg", StyleKindFill, CtrlStateCount);
        static constexpr CVNQStyleSlot text = checked.next("TextStyle", StyleKindText, 3);
    };

    CVNQFillStyles unchecked;
    CVNQFillStyles checked;
    TextStyleDesc uncheckedText;
    TextStyleDesc checkedText;
    TextStyleDesc disabledText;

    // The background of a control state 0 to 3 for the checked state; null
    // for other states.
    const FillStyle* background(bool isChecked, CtrlState state) const;
    TextStyleDesc& text(bool isChecked) { return isChecked ? checkedText : uncheckedText; }
    const TextStyleDesc& text(bool isChecked) const { return isChecked ? checkedText : uncheckedText; }
    // By CheckBoxTextState (0 checked, 1 unchecked, 2 disabled): the setter
    // ignores other values, the getter answers fallback's style for them.
    void setTextByState(CheckBoxTextState state, const TextStyleDesc& style);
    const TextStyleDesc& textByState(CheckBoxTextState state, CheckBoxTextState fallback) const;

    // Applies node's "style" entries in list order; unknown names and other
    // indexes are ignored.
    void read(const Json::Value& node);
    // Appends the entries: each background group in the compact form, then
    // every text style that has a name.
    void write(Json::Value& list) const;
};

class CVNQ_EXPORT CVNQCheckableImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQCheckableImpl(QAbstractButton* owner, const QString& typeName);

    // Shows the translation of the text key, when there is one.
    void notifyChangeLanguage() override;
    // QAbstractButton's size hint made room for the text as its styles
    // draw it.
    QSize sizeHint(const QSize& qtHint) const;

    // The key of a text read in key form ("|->" followed by the key).
    QString textKey;
    // The text the key gave last: a different text was set by code.
    QString keyText;
    IconStyleDesc iconStyle;
    bool showIcon = true;
    bool showText = true;
    CVNQCheckStyles styles;

protected:
    QAbstractButton* button() const;
    // The background of the current state and checked state, over rect.
    void drawBackground(QPainter* painter, const QRect& rect) const;
    // "text" becomes the owner's text, the empty text when absent; a text in
    // key form stores its key and shows the translation.
    void readText(const Json::Value& attr);
    // The shown text when not empty (a translation, never the key).
    void writeText(Json::Value& attr) const;
    // "showIcon" and "showText", read when present and written as 0 only
    // when cleared.
    void readShowFlags(const Json::Value& attr);
    void writeShowFlags(Json::Value& attr) const;
};

// Property rows both controls list in the same way: the text styles by
// CheckBoxTextState, and, closing the table, the four icon names and the
// icon placement.
template <class C>
PropertyDef cvnCheckableTextStyleRow()
{
    return cvnStyleRow<C>(CVNQCheckStyles::Slots::text, &C::setTextStyleByState, &C::getTextStyleByState,
                          cvnChoices({{0, "Checked"}, {1, "Unchecked"}, {2, "Disable"}}));
}

template <class C>
void cvnAppendCheckableIconRows(std::vector<PropertyDef>& rows)
{
    const QVector<PropertyChoice> align = cvnChoices({{0, "Left"}, {1, "Center"}, {2, "Right"}});
    rows.push_back(cvnStringRow<C>(QStringLiteral("UncheckIcon"), PropImage, &C::setUncheckIcon, &C::getUncheckIcon));
    rows.push_back(
        cvnStringRow<C>(QStringLiteral("UncheckHotIcon"), PropImage, &C::setUncheckHotIcon, &C::getUncheckHotIcon));
    rows.push_back(cvnStringRow<C>(QStringLiteral("CheckedIcon"), PropImage, &C::setCheckedIcon, &C::getCheckedIcon));
    rows.push_back(
        cvnStringRow<C>(QStringLiteral("CheckedHotIcon"), PropImage, &C::setCheckedHotIcon, &C::getCheckedHotIcon));
    rows.push_back(
        cvnIntRow<C>(QStringLiteral("HorAlign"), PropChoice, &C::setIconHorAlign, &C::getIconHorAlign, align));
    rows.push_back(
        cvnIntRow<C>(QStringLiteral("VerAlign"), PropChoice, &C::setIconVerAlign, &C::getIconVerAlign, align));
    rows.push_back(cvnIntRow<C>(QStringLiteral("OffsetX"), PropInt, &C::setIconOffsetX, &C::getIconOffsetX));
    rows.push_back(cvnIntRow<C>(QStringLiteral("OffsetY"), PropInt, &C::setIconOffsetY, &C::getIconOffsetY));
}

} // namespace CVNQtLib
