#include "CVNQPushButton.h"

#include "CVNQControlInfo.h"
#include "CVNQOutlives.h"
#include "CVNQPushButtonImpl.h"

#include <QMouseEvent>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQPushButton, CVNQPushButtonImpl, "qtbutton")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQPushButton)

CVNQPushButton::CVNQPushButton(QWidget* parent)
    : QPushButton(parent)
{
    m_impl.reset(new CVNQPushButtonImpl(this, typeName()));
    setAttribute(Qt::WA_MouseTracking, true);
    m_impl->applyTheme();
}

CVNQPushButton::~CVNQPushButton() = default;

ControlInfo CVNQPushButton::getProps()
{
    ControlInfo info = cvnMakeControlInfo(typeName(), "Button", "PushButton", "CVNQPushButton", "button");
    info.properties.push_back(cvnStyleRow<CVNQPushButton>(
        CVNQPushButtonImpl::Slots::background, &CVNQPushButton::setBackground, &CVNQPushButton::getBackground));
    info.properties.push_back(cvnBoolRow<CVNQPushButton>(
        QStringLiteral("DrawBackground"), &CVNQPushButton::setDrawBackground, &CVNQPushButton::getDrawBackground));
    info.properties.push_back(cvnBoolRow<CVNQPushButton>(QStringLiteral("FadeEnabled"), &CVNQPushButton::setFadeEnabled,
                                                         &CVNQPushButton::getFadeEnabled));
    info.properties.push_back(cvnIntRow<CVNQPushButton>(
        QStringLiteral("FadeDuration"), PropInt, &CVNQPushButton::setFadeDuration, &CVNQPushButton::getFadeDuration));
    return info;
}

void CVNQPushButton::setBackground(CtrlState state, const FillStyle& style)
{
    m_impl->background.set(state, style);
    update();
}
const FillStyle& CVNQPushButton::getBackground(CtrlState state) const
{
    return m_impl->background.get(state);
}
QSize CVNQPushButton::sizeHint() const
{
    QSize hint = QPushButton::sizeHint();
    const CVNQTextStyles& styles = m_impl->textStyle;
    if (m_impl->showText)
        hint.rwidth() +=
            CVNQWidgetBaseImpl::textWidening(this, text(),
                                             {styles.get(CtrlStateNormal), styles.get(CtrlStateHover),
                                              styles.get(CtrlStatePressed), styles.get(CtrlStateDisabled)});
    return hint;
}

void CVNQPushButton::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->textStyle.set(state, style);
    update();
    updateGeometry();
}
const TextStyleDesc& CVNQPushButton::getTextStyle(CtrlState state) const
{
    return m_impl->textStyle.get(state);
}

void CVNQPushButton::setUseFillStyle(CtrlState state, bool useColor)
{
    for (int s = 0; s < CtrlStateCount; ++s)
        if (cvnSetterAddresses(state, s))
            m_impl->background.at(s).useColor = useColor;
    update();
}

bool CVNQPushButton::getUseFillStyle(CtrlState state) const
{
    return m_impl->background.get(state).useColor;
}

void CVNQPushButton::setDrawBackground(bool draw)
{
    if (m_impl->drawBackground == draw)
        return;
    m_impl->drawBackground = draw;
    update();
}

bool CVNQPushButton::getDrawBackground() const
{
    return m_impl->drawBackground;
}
void CVNQPushButton::setFadeEnabled(bool enabled)
{
    m_impl->setFadeEnabled(enabled);
}
bool CVNQPushButton::getFadeEnabled() const
{
    return m_impl->fadeEnabled;
}
void CVNQPushButton::setFadeDuration(int ms)
{
    m_impl->setFadeDuration(ms);
}
int CVNQPushButton::getFadeDuration() const
{
    return m_impl->fadeDuration;
}
void CVNQPushButton::setIcon(const QString& path)
{
    m_impl->setIconPath(path);
}
void CVNQPushButton::setIcon(const QIcon& icon)
{
    m_impl->setIcon(icon);
}
QString CVNQPushButton::getIcon() const
{
    return m_impl->iconPath;
}

void CVNQPushButton::setHotIcon(const QString& path)
{
    if (m_impl->hotIconPath == path)
        return;
    m_impl->hotIconPath = path;
    update();
}

QString CVNQPushButton::getHotIcon() const
{
    return m_impl->hotIconPath;
}

void CVNQPushButton::setPressedIcon(const QString& path)
{
    if (m_impl->pressedIconPath == path)
        return;
    m_impl->pressedIconPath = path;
    update();
}

QString CVNQPushButton::getPressedIcon() const
{
    return m_impl->pressedIconPath;
}
void CVNQPushButton::setIconStyle(const IconStyleDesc& style)
{
    m_impl->iconStyle = style;
    update();
}
const IconStyleDesc& CVNQPushButton::getIconStyle() const
{
    return m_impl->iconStyle;
}

void CVNQPushButton::setUseIcon(bool use)
{
    m_impl->hasIcon = use;
    update();
}

bool CVNQPushButton::getUseIcon() const
{
    return m_impl->hasIcon;
}
void CVNQPushButton::setShowText(bool show)
{
    m_impl->showText = show;
    update();
    // The size hint counts the text only while it shows.
    updateGeometry();
}
bool CVNQPushButton::getShowText() const
{
    return m_impl->showText;
}
void CVNQPushButton::setTextOffsetX(int x)
{
    m_impl->txtX = x;
    update();
}
int CVNQPushButton::getTextOffsetX() const
{
    return m_impl->txtX;
}
void CVNQPushButton::setTextOffsetY(int y)
{
    m_impl->txtY = y;
    update();
}
int CVNQPushButton::getTextOffsetY() const
{
    return m_impl->txtY;
}

void CVNQPushButton::enterEvent(QEvent* event)
{
    QPushButton::enterEvent(event);
    m_impl->enterEvent(event);
    emit enterSignal();
}

void CVNQPushButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    m_impl->leaveEvent(event);
    emit leaveSignal();
}

// Qt's handlers emit pressed, released, clicked and toggled, whose slots may
// delete the button.
void CVNQPushButton::mouseMoveEvent(QMouseEvent* event)
{
    if (cvnOutlives(this, [&] { QPushButton::mouseMoveEvent(event); }))
        m_impl->mouseMoveEvent(event);
}

void CVNQPushButton::mousePressEvent(QMouseEvent* event)
{
    if (cvnOutlives(this, [&] { QPushButton::mousePressEvent(event); }))
        m_impl->mousePressEvent(event);
}

void CVNQPushButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (cvnOutlives(this, [&] { QPushButton::mouseReleaseEvent(event); }))
        m_impl->mouseReleaseEvent(event);
}

} // namespace CVNQtLib

#include "moc_CVNQPushButton.cpp"
