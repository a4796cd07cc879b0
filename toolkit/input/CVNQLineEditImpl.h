#pragma once

#include "CVNQControlInfo.h"
#include "CVNQStateStyles.h"
#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"

#include <QFont>
#include <QMargins>

namespace CVNQtLib {

// Look of the line edit, shared with the text edit: a background and a
// text style per control state, a placeholder drawn while the field is
// empty, and the focus and hover looks. Each field's JSON routine is its
// own; the pieces both use are here.
class CVNQ_EXPORT CVNQLineEditImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQLineEditImpl(QWidget* owner, const QString& typeName);

    // Background of the state (hover is drawn as normal), then the
    // placeholder while the field is empty.
    void draw(QPainter* painter, const QRect& rect) override;
    void createComplete() override;

    // States 0..3; other states change nothing. The normal text style
    // applies at once, the others at the next paint.
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    // The state's text colour and pixel size (and the global font family
    // when one is set) as the owner's palette and font.
    void applyTextStyle(CtrlState state);
    // The font a field takes from a text style: its pixel size and the
    // global font family, else the style's own family.
    static QFont fieldFont(const TextStyleDesc& style);
    // Focus gives 2 and losing it 0; hover gives 1 and leaving 0, both only
    // while the field has no focus look. Each repaints the owner at once.
    void setFocusLook(bool focused);
    void setHoverLook(bool hovered);

    // The style groups in "style" list order; the placeholder keeps one
    // style, and the line edit leaves the index after the text styles unused.
    struct Slots
    {
        static constexpr CVNQStyleSlot background{"Background", StyleKindFill, 0, CtrlStateCount};
        static constexpr CVNQStyleSlot text = background.next("TextStyle", StyleKindText, CtrlStateCount);
        static constexpr CVNQStyleSlot placeholder{"PlaceholderStyle", StyleKindText, text.end() + 1, 1};
    };

    bool hotkeyMode = false;
    QString placeholderText;
    TextStyleDesc placeholderTextStyle;
    CVNQFillStyles backgrounds;
    CVNQTextStyles textStyles;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;

    // The field's text, as shown and as its node holds it.
    virtual QString ownerText() const;
    virtual void setOwnerText(const QString& text);
    // The margins around the field's text.
    virtual QMargins ownerMargins() const;
    virtual void setOwnerMargins(const QMargins& margins);
    // Where the placeholder goes inside the rectangle draw() paints.
    virtual QRect placeholderRect(const QRect& drawRect) const;

    // The "style" list both fields write: backgrounds and text styles in the
    // compact form, then the placeholder style, when named, in its slot.
    void writeStyles(Json::Value& node, const CVNQStyleSlot& placeholder) const;
    // "text" and "tip": the field's text and the placeholder. A theme entry
    // sets the look only, so these are not read while one is applied.
    void readTexts(const Json::Value& attr);
    void writeTexts(Json::Value& attr) const;
    // "leftMargin", "rightMargin", "topMargin", "bottomMargin" as the
    // margins, each 0 when absent; with mirror a missing right margin takes
    // the left one and a missing bottom the top one.
    void readMargins(const Json::Value& attr, bool mirror);
    // Each margin key when not 0; with whole all four when any is not 0.
    void writeMargins(Json::Value& attr, bool whole) const;
};

// Property rows of the two fields, for field class C with slot map Slots:
// its look ("Line", "Background", "TextStyle", "PlaceholderStyle"), its
// placeholder text and its margins.
template <class C, class Slots>
void cvnAppendEditLookRows(std::vector<PropertyDef>& rows)
{
    rows.push_back(cvnLineRow());
    rows.push_back(cvnStyleRow<C>(Slots::background, &C::setBackground, &C::getBackground));
    rows.push_back(cvnStyleRow<C>(Slots::text, &C::setTextStyle, &C::getTextStyle));
    rows.push_back(cvnStyleRow<C>(Slots::placeholder, &C::setPlaceholderTextStyle, &C::getPlaceholderTextStyle));
}

template <class C>
PropertyDef cvnEditPlaceholderTextRow()
{
    return cvnStringRow<C>(QStringLiteral("PlaceholderText"), PropText, &C::setPlaceholderText, &C::getPlaceholderText);
}

// "Margin": four ints in the order top, bottom, left, right.
template <class C>
PropertyDef cvnEditMarginRow()
{
    PropertyDef margin(QStringLiteral("Margin"), PropFourInts);
    margin.setFourInts = [](QWidget* w, int top, int bottom, int left, int right) {
        if (C* e = dynamic_cast<C*>(w))
            e->setEditMargin(top, bottom, left, right);
    };
    margin.getFourInts = [](QWidget* w) -> QVector<int> {
        int top = 0, bottom = 0, left = 0, right = 0;
        if (C* e = dynamic_cast<C*>(w))
            e->getEditMargin(top, bottom, left, right);
        return {top, bottom, left, right};
    };
    return margin;
}

} // namespace CVNQtLib
