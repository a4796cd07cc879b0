#pragma once

// Look and state of CVNQPushButton: per-state backgrounds and text styles,
// icons, the extension strip and the hover fade.

#include "CVNGlobalConfig.h"
#include "CVNQStateStyles.h"
#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"

#include <QIcon>

class QPushButton;
class QTimer;

namespace CVNQtLib {

class CVNQ_EXPORT CVNQPushButtonImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQPushButtonImpl(QPushButton* owner, const QString& typeName);
    ~CVNQPushButtonImpl() override;

    void draw(QPainter* painter, const QRect& rect) override;
    void notifyChangeLanguage() override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    void setFadeEnabled(bool enabled);
    void setFadeDuration(int ms);
    void setIconPath(const QString& path);
    void setIcon(const QIcon& icon);
    // True while a fade has a target it can still move towards.
    bool isFading() const;

    QString textKey;
    // The text the key gave last: a different text was set by code.
    QString keyText;
    bool extHot = false;
    bool isExtBtn = false;
    QString extHotIconPath;
    QString extIconPath;
    int extWidth = 0;
    bool hasIcon = true;
    bool showText = true;
    QString iconPath;
    QIcon icon;
    QString hotIconPath;
    QString pressedIconPath;
    IconStyleDesc iconStyle;
    int txtX = 0;
    int txtY = 0;
    bool drawBackground = true;
    // The style groups in "style" list order, each after the last; the
    // property table edits the backgrounds only.
    struct Slots
    {
        static constexpr CVNQStyleSlot background{"Background", StyleKindFill, 0, CtrlStateCount};
        static constexpr CVNQStyleSlot text = background.next("TextStyle", StyleKindText, CtrlStateCount);
    };

    CVNQFillStyles background;
    CVNQTextStyles textStyle;
    bool fadeEnabled = false;
    int fadeDuration = kCvnDefaultFadeDuration;
    double fadeProgress = 0.0;
    CtrlState fadeFrom = CtrlStateNormal;
    CtrlState fadeTo = CtrlStateNormal;
    QTimer* fadeTimer = nullptr;

    static constexpr int kFadeInterval = 16;

public Q_SLOTS:
    void onFadeTimer();

private:
    QPushButton* button() const;
    void paintFace(QPainter* painter, const QRect& rect, CtrlState state, double progress);
    void drawButtonText(QPainter* painter, const QRect& rect, const TextStyleDesc& style);
    void stopFade();
    // Icon and text side by side: the icon moved left of the centred text.
    void placeIconBesideText(int iconWidth);

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib
