#include "CVNQPushButtonImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQLanguageText.h"
#include "CVNQResourceManager.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace CVNQtLib {

namespace {

QColor blendColor(const QColor& from, const QColor& to, double w)
{
    const QColor c = QColor::fromRgbF(
        from.redF() + (to.redF() - from.redF()) * w, from.greenF() + (to.greenF() - from.greenF()) * w,
        from.blueF() + (to.blueF() - from.blueF()) * w, from.alphaF() + (to.alphaF() - from.alphaF()) * w);
    return QColor::fromRgba(c.rgba());
}

bool endsWithSvg(const QString& path)
{
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

} // namespace

CVNQPushButtonImpl::CVNQPushButtonImpl(QPushButton* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{
    FillStyle normal;
    normal.fill.clr = QColor(0xF5, 0xF5, 0xF5);
    normal.fill.borderclr = QColor(0xCC, 0xCC, 0xCC);
    normal.fill.borderSize = 1;
    FillStyle hover = normal;
    hover.fill.clr = QColor(0xED, 0xFB, 0xFF);
    background.set(CtrlStateNormal, normal);
    background.set(CtrlStateHover, hover);
    background.set(CtrlStatePressed, normal);

    TextStyleDesc centred;
    centred.hor = 1;
    textStyle.setAll(centred);

    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    fadeEnabled = rm->getButtonFadeEnabled();
    fadeDuration = rm->getButtonFadeDuration();
    fadeTimer = new QTimer(this);
    connect(fadeTimer, &QTimer::timeout, this, &CVNQPushButtonImpl::onFadeTimer);
}

CVNQPushButtonImpl::~CVNQPushButtonImpl()
{
    fadeTimer->stop();
    delete fadeTimer;
}

QPushButton* CVNQPushButtonImpl::button() const
{
    return static_cast<QPushButton*>(m_owner);
}

void CVNQPushButtonImpl::draw(QPainter* painter, const QRect& rect)
{
    QPushButton* b = button();
    if (!b)
        return;
    const int w = rect.width();
    const int h = rect.height();

    if (!isExtBtn || !extHot) {
        if (fadeEnabled && m_state == CtrlStateHover)
            paintFace(painter, rect, CtrlStateHover, fadeProgress);
        else
            paintFace(painter, rect, m_state, 1.0);
    } else {
        // Only the strip shows the state's background; the face stays normal.
        if (drawBackground) {
            drawFillStyle(painter, background.get(m_state), rect);
            painter->save();
            painter->setClipRect(QRect(rect.left(), rect.top(), w - extWidth, h));
            drawFillStyle(painter, background.get(CtrlStateNormal), rect);
            painter->restore();
        }
        if (showText)
            drawButtonText(painter, rect, textStyle.get(CtrlStateNormal));
    }

    if (hasIcon) {
        if (!icon.isNull()) {
            drawIcon(painter, icon, b->iconSize(), iconStyle, rect);
        } else {
            QString path;
            bool gray = false;
            if (m_state == CtrlStateHover && !hotIconPath.isEmpty()) {
                path = hotIconPath;
            } else if (m_state == CtrlStatePressed && !pressedIconPath.isEmpty()) {
                path = pressedIconPath;
            } else {
                path = iconPath;
                gray = !b->isEnabled();
            }
            if (!path.isEmpty())
                drawImageAt(painter, path, iconStyle, rect.left(), rect.top(), w, h, gray);
        }
    }

    if (isExtBtn) {
        const QString path = (m_state == CtrlStateHover && !extHotIconPath.isEmpty()) ? extHotIconPath : extIconPath;
        if (!path.isEmpty())
            drawImageAt(painter, path, IconStyleDesc(), rect.left() + w - extWidth, rect.top(), extWidth, h, false);
    }
}

void CVNQPushButtonImpl::paintFace(QPainter* painter, const QRect& rect, CtrlState state, double progress)
{
    FillStyle fill;
    TextStyleDesc text;
    // The ends of a running fade belong to it too: at 0.0 a fade-in still
    // shows the normal look (Qt repaints a hovered button before the first
    // tick) and at 1.0 a fade-out the hover look.
    if (isFading() && progress >= 0.0 && progress <= 1.0) {
        const CtrlState from = fadeTo == CtrlStateHover ? CtrlStateNormal : CtrlStateHover;
        const double w = fadeTo == CtrlStateHover ? progress : 1.0 - progress;
        const FillStyle& to = background.get(fadeTo);
        fill = background.get(from);
        fill.fill.clr = blendColor(fill.fill.clr, to.fill.clr, w);
        fill.fill.borderclr = blendColor(fill.fill.borderclr, to.fill.borderclr, w);
        text = textStyle.get(from);
        text.clr = blendColor(text.clr, textStyle.get(fadeTo).clr, w);
    } else {
        fill = background.get(state);
        text = textStyle.get(state);
    }
    if (drawBackground)
        drawFillStyle(painter, fill, rect);
    if (showText)
        drawButtonText(painter, rect, text);
}

void CVNQPushButtonImpl::drawButtonText(QPainter* painter, const QRect& rect, const TextStyleDesc& style)
{
    // Always horizontal, whatever the style's isHor flag.
    drawTextAt(painter, button()->text(), style, rect.left() + txtX, rect.top() + txtY, rect.width() - txtX,
               rect.height() - txtY, true);
}

// --- fade -------------------------------------------------------------------

bool CVNQPushButtonImpl::isFading() const
{
    return fadeEnabled && fadeFrom != fadeTo && (fadeTo == CtrlStateNormal || fadeTo == CtrlStateHover);
}

void CVNQPushButtonImpl::enterEvent(QEvent* event)
{
    if (!fadeEnabled || !m_owner->isEnabled()) {
        CVNQWidgetBaseImpl::enterEvent(event);
        return;
    }
    fadeFrom = m_state;
    m_state = CtrlStateHover;
    m_hovered = true;
    fadeTo = CtrlStateHover;
    fadeProgress = 0.0;
    if (isFading()) {
        fadeTimer->start(kFadeInterval);
    } else {
        // Entered again while a fade-out still showed the hover look:
        // nothing to animate, show the hover look now.
        fadeTimer->stop();
        m_owner->update();
    }
}

void CVNQPushButtonImpl::leaveEvent(QEvent* event)
{
    if (!fadeEnabled) {
        CVNQWidgetBaseImpl::leaveEvent(event);
        return;
    }
    const bool enabled = m_owner->isEnabled();
    m_hovered = false;
    fadeFrom = CtrlStateHover;
    m_state = enabled ? CtrlStateHover : CtrlStateDisabled;
    fadeProgress = 1.0;
    fadeTo = enabled ? CtrlStateNormal : CtrlStateDisabled;
    if (isFading()) {
        fadeTimer->start(kFadeInterval);
    } else {
        // A disabled button has no fade-out; it shows its disabled look.
        fadeTimer->stop();
        m_owner->update();
    }
}

void CVNQPushButtonImpl::onFadeTimer()
{
    if (!isFading()) {
        // Nothing left to animate: never keep repainting an unchanging face.
        fadeTimer->stop();
        m_owner->update();
        return;
    }
    const double step = double(fadeTimer->interval()) / double(fadeDuration);
    if (fadeTo == CtrlStateHover) {
        fadeProgress += step;
        if (fadeProgress >= 1.0) {
            fadeProgress = 1.0;
            fadeTimer->stop();
            fadeFrom = CtrlStateHover;
        }
    } else {
        fadeProgress -= step;
        if (fadeProgress <= 0.0) {
            fadeProgress = 0.0;
            fadeTimer->stop();
            fadeFrom = CtrlStateNormal;
            m_state = CtrlStateNormal;
        }
    }
    m_owner->update();
}

void CVNQPushButtonImpl::stopFade()
{
    fadeTimer->stop();
    fadeProgress = 1.0;
    // A fade-out cut short ends where it was heading, so a button the
    // pointer has left does not keep its hover look.
    if (fadeTo == CtrlStateNormal && fadeFrom != fadeTo && !m_hovered && m_state == CtrlStateHover)
        m_state = CtrlStateNormal;
    fadeFrom = fadeTo;
}

void CVNQPushButtonImpl::setFadeEnabled(bool enabled)
{
    fadeEnabled = enabled;
    if (!enabled)
        stopFade();
    m_owner->update();
}

void CVNQPushButtonImpl::setFadeDuration(int ms)
{
    fadeDuration = ms > 0 ? ms : kCvnDefaultFadeDuration;
}

void CVNQPushButtonImpl::mouseMoveEvent(QMouseEvent* event)
{
    if (!isExtBtn || !event)
        return;
    const bool over = event->pos().x() > m_owner->width() - extWidth;
    if (over != extHot) {
        extHot = over;
        m_owner->update();
    }
}

// --- icons ------------------------------------------------------------------

void CVNQPushButtonImpl::placeIconBesideText(int iconWidth)
{
    const QString text = button()->text();
    if (showText && !text.isEmpty()) {
        const QSize textSize = getTextSize(text, textStyle.get(CtrlStateNormal), m_owner);
        iconStyle.x = -(iconWidth + textSize.width() / 2);
        txtX = iconWidth / 2;
    } else {
        iconStyle.x = 0;
        iconStyle.y = 0;
        txtX = 0;
        txtY = 0;
    }
}

void CVNQPushButtonImpl::setIcon(const QIcon& newIcon)
{
    hasIcon = true;
    placeIconBesideText(button()->iconSize().width());
    icon = newIcon;
    m_owner->update();
}

void CVNQPushButtonImpl::setIconPath(const QString& path)
{
    hasIcon = true;
    m_owner->update();
    if (!path.isEmpty() && path.startsWith(QLatin1Char(':')) && !endsWithSvg(path)) {
        setIcon(QIcon(path));
        return;
    }
    icon = QIcon();
    if (endsWithSvg(path)) {
        const QSize size = getImageSize(path, false);
        if (size.isValid())
            placeIconBesideText(size.width());
    }
    iconPath = path;
}

// --- language and JSON -------------------------------------------------------

void CVNQPushButtonImpl::notifyChangeLanguage()
{
    QAbstractButton* owner = button();
    cvnRetranslate(textKey, keyText, owner->text(), [owner](const QString& text) { owner->setText(text); });
}

void CVNQPushButtonImpl::readJson(const Json::Value& node)
{
    const bool fromTheme = CVNQResourceManager::getInstance()->isLoadFromThemeRes();
    cvnForEachStyleEntry(node, [this](const QString& name, int, int index) {
        background.readEntry(Slots::background, index, name) || textStyle.readEntry(Slots::text, index, name);
    });

    const Json::Value* attr = cvnAttrObject(node);
    if (!attr)
        return;
    jsonRead(*attr, "hasIcon", hasIcon);
    if (!fromTheme)
        jsonRead(*attr, "iconPath", iconPath);
    if (jsonRead(*attr, "isExtBtn", isExtBtn) && isExtBtn)
        m_owner->setAttribute(Qt::WA_MouseTracking, true);
    jsonRead(*attr, "extWidth", extWidth);
    jsonRead(*attr, "extIconPath", extIconPath);
    jsonRead(*attr, "extHotIconPath", extHotIconPath);
    QString text;
    if (!fromTheme && jsonRead(*attr, "text", text)) {
        keyText = cvnResolveLanguageText(text, textKey, true);
        button()->setText(keyText);
    }
    jsonRead(*attr, "hotIconPath", hotIconPath);
    jsonRead(*attr, "showText", showText);
    jsonRead(*attr, "drawBackground", drawBackground);
    bool fade = fadeEnabled;
    if (jsonRead(*attr, "fadeEnabled", fade)) {
        fadeEnabled = fade;
        if (!fade)
            stopFade();
    }
    int duration = 0;
    if (jsonRead(*attr, "fadeDuration", duration))
        setFadeDuration(duration);
    cvnReadIconPlacement(*attr, iconStyle, true);
    jsonRead(*attr, "txtX", txtX);
    jsonRead(*attr, "txtY", txtY);
}

void CVNQPushButtonImpl::writeJson(Json::Value& node) const
{
    Json::Value list(Json::arrayValue);
    background.writeCompact(list, Slots::background);
    textStyle.writeCompact(list, Slots::text);
    cvnSetStyleList(node, list);

    Json::Value& attr =
        cvnOwnAttr(node, {"hasIcon", "iconPath", "isExtBtn", "extWidth", "extIconPath", "extHotIconPath", "text",
                          "hotIconPath", "showText", "drawBackground", "fadeEnabled", "fadeDuration", "txtX", "txtY"});
    if (!hasIcon)
        cvnWriteFlag(attr, "hasIcon", false);
    if (!iconPath.isEmpty())
        jsonMember(attr, "iconPath") = jsonUtf8(iconPath);
    if (isExtBtn)
        cvnWriteFlag(attr, "isExtBtn", true);
    if (extWidth != 0)
        jsonMember(attr, "extWidth") = extWidth;
    if (!extIconPath.isEmpty())
        jsonMember(attr, "extIconPath") = jsonUtf8(extIconPath);
    if (!extHotIconPath.isEmpty())
        jsonMember(attr, "extHotIconPath") = jsonUtf8(extHotIconPath);
    // The shown text, never the language key it came from.
    const QString text = button()->text();
    if (!text.isEmpty())
        jsonMember(attr, "text") = jsonUtf8(text);
    if (!hotIconPath.isEmpty())
        jsonMember(attr, "hotIconPath") = jsonUtf8(hotIconPath);
    if (!showText)
        cvnWriteFlag(attr, "showText", false);
    if (!drawBackground)
        cvnWriteFlag(attr, "drawBackground", false);
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    if (fadeEnabled != rm->getButtonFadeEnabled())
        cvnWriteFlag(attr, "fadeEnabled", fadeEnabled);
    if (fadeDuration != rm->getButtonFadeDuration())
        jsonMember(attr, "fadeDuration") = fadeDuration;
    cvnWriteIconPlacement(attr, iconStyle, IconStyleDesc(), true);
    if (txtX != 0)
        jsonMember(attr, "txtX") = txtX;
    if (txtY != 0)
        jsonMember(attr, "txtY") = txtY;
}

} // namespace CVNQtLib

#include "moc_CVNQPushButtonImpl.cpp"
