#pragma once

#include "CVNQStateStyles.h"
#include "CVNQWidgetBaseImpl.h"

namespace CVNQtLib {

// Look of the line edit, shared with the text edit: a background and a
// text style per control state and a placeholder drawn while the field is
// empty.
class CVNQLineEditImpl : public CVNQWidgetBaseImpl {
public:
    CVNQLineEditImpl(QWidget* owner, const QString& typeName);

    // Background of the state (hover is drawn as normal), then the
    // placeholder while the field is empty, inset by the contents margins.
    void draw(QPainter* painter, const QRect& rect) override;
    bool serializeJsonValue(Json::Value** node, bool read) override;
    void createComplete() override;

    // The state's text colour and pixel size (and the global font family
    // when one is set) as the owner's palette and font.
    void applyTextStyle(CtrlState state);
    // Focus and hover: focus gives 2, losing it 0; hover gives 1 and leaving
    // 0, both only while the field has no focus look.
    void setFocusLook(bool focused);
    void setHoverLook(bool hovered);

    bool hotkeyMode = false;
    QString placeholderText;
    TextStyleDesc placeholderTextStyle;
    CVNQFillStyles backgrounds;
    CVNQTextStyles textStyles;

protected:
    // Whether the owner's text is empty (the placeholder shows).
    virtual bool ownerTextEmpty() const;
    // Where the placeholder goes, in the coordinates of the rectangle draw()
    // paints: the owner's rectangle inset by its margins on all four sides.
    virtual QRect placeholderRect(const QRect& drawRect) const;
    // The "style" list both fields write: backgrounds 0-3 and text styles
    // 4-7 in the compact form, then the placeholder style, when named, at
    // placeholderIndex.
    void writeStyles(Json::Value& node, int placeholderIndex) const;
};

} // namespace CVNQtLib
