#pragma once

// Look of CVNQRadioButton: icons fitted into the width and half the height
// of the button, the text to the right of the fitted icon.

#include "CVNQCheckableImpl.h"
#include "CVNQGlobal.h"

class QRadioButton;

namespace CVNQtLib {

class CVNQ_EXPORT CVNQRadioButtonImpl : public CVNQCheckableImpl
{
    Q_OBJECT
public:
    CVNQRadioButtonImpl(QRadioButton* owner, const QString& typeName);

    void draw(QPainter* painter, const QRect& rect) override;

    // size scaled, keeping its aspect ratio, to the largest size inside
    // rect's width and half its height; invalid for an invalid size or an
    // empty rect.
    static QSize fitIconSize(const QSize& size, const QRect& rect);
    // The named image fitted (fitIconSize) and aligned in rect by the
    // placement; at its own size through the shared image painter when it
    // fits unscaled.
    static void drawAlignedIcon(QPainter* painter, const QString& name, const IconStyleDesc& placement,
                                const QRect& rect, bool gray);
    // The icon drawn in the current state: the disabled icon of a disabled
    // button, the hot icon on hover, else (and as their fallback) the
    // normal icon, each by the checked state.
    QString shownIcon() const;
    // The rectangle the text is drawn in: right of the fitted shown icon.
    QRect textRect(const QRect& rect) const;

    QString uncheckIcon;
    QString uncheckHotIcon;
    QString checkedIcon;
    QString checkedHotIcon;
    QString disableIcon;
    bool pushlike = false;

protected:
    // A theme entry sets styles and flags only, never the icons or the text.
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib
