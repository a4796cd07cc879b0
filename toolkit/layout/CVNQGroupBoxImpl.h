#pragma once

#include "CVNQGroupBox.h"
#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"

namespace CVNQtLib {

class CVNQ_EXPORT CVNQGroupBoxImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    explicit CVNQGroupBoxImpl(CVNQGroupBox* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    // Re-translates a title that came from a language key.
    void notifyChangeLanguage() override;

    // The style groups in "style" list order, each after the last; each
    // keeps one style, read from its first index only.
    struct Slots
    {
        static constexpr CVNQStyleSlot background{"Background", StyleKindFill, 0, 2};
        static constexpr CVNQStyleSlot text = background.next("TextStyle", StyleKindText, 2);
    };

    bool showText = true;
    FillStyle background;
    QString text;
    // Set when "attr"."text" names a language key ("|->key").
    QString textKey;
    TextStyleDesc textStyle;
    QColor lineColor{0, 0, 0, 255};
    int lineSize = 1;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib
