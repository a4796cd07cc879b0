#pragma once

// Text styles and the whole text of CVNQLabel.

#include "CVNQControlImpl.h"

class QLabel;

namespace CVNQtLib {

class CVNQLabelImpl : public CVNQControlImpl {
    Q_OBJECT
public:
    CVNQLabelImpl(QLabel* owner, const QString& typeName);

    // Not used by the label's own painting (QLabel paints it); draws the
    // shown text with the normal style for callers that paint templates.
    void draw(QPainter* painter, const QRect& rect) override;
    void notifyChangeLanguage() override;

    void setText(const QString& text);
    // Font, palette and alignment of the widget from the normal style.
    void applyTextStyle();
    // The widget's text: fullText, elided to the width for a single-line
    // style (unless its elide mode is 3, none).
    void elideToWidth();

    TextStyleDesc normalStyle;
    TextStyleDesc disableStyle;
    QString fullText;
    QString textKey;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;

private:
    QLabel* label() const;
};

} // namespace CVNQtLib
