#include "CVNQRibbonButton.h"
#include "CVNQWidgetBaseImpl.h"

#include "CVNQRibbonIdle.h"
#include "CVNQRibbonMenu.h"

#include <QAction>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace CVNQtLib {

CVNQRibbonButton::CVNQRibbonButton(QWidget* parent, CVN_RIBBON_ITEM_SIZE size)
    : CVNQPushButton(parent)
    , m_itemSize(size)
{
    setAttribute(Qt::WA_MouseTracking, true);
    setFadeEnabled(false);
    connect(this, &QAbstractButton::clicked, this, &CVNQRibbonButton::onClicked);
}

CVNQRibbonButton::~CVNQRibbonButton()
{
    ribbonForgetHandling(this);
}

void CVNQRibbonButton::setItemSize(CVN_RIBBON_ITEM_SIZE size)
{
    m_itemSize = size;
    updateGeometry();
    update();
}

void CVNQRibbonButton::setPopupMode(CVN_RIBBON_POPUP_MODE mode)
{
    m_popupMode = mode;
    update();
}

void CVNQRibbonButton::setRibbonAction(QAction* action)
{
    if (m_action)
        disconnect(m_action, nullptr, this, nullptr);
    m_action = action;
    if (action)
        connect(action, &QAction::changed, this, &CVNQRibbonButton::syncFromAction);
    syncFromAction();
}

void CVNQRibbonButton::setPopupMenu(CVNQRibbonMenu* menu)
{
    m_menu = menu;
    if (menu && !menu->parent())
        menu->setParent(this, menu->windowFlags());
    update();
}

CVNQRibbonMenu* CVNQRibbonButton::popupMenu() const
{
    return m_menu;
}

void CVNQRibbonButton::setRibbonIcon(const QString& path)
{
    m_iconPath = path;
    setIconKeepingPlacement(path);
    update();
}

void CVNQRibbonButton::setIconKeepingPlacement(const QString& path)
{
    const IconStyleDesc placement = getIconStyle();
    setIcon(path);
    setIconStyle(placement);
}

void CVNQRibbonButton::setIconKeepingPlacement(const QIcon& icon)
{
    const IconStyleDesc placement = getIconStyle();
    setIcon(icon);
    setIconStyle(placement);
}

void CVNQRibbonButton::syncFromAction()
{
    if (!m_action)
        return;
    setText(m_action->text());
    setToolTip(m_action->toolTip());
    setEnabled(m_action->isEnabled());
    setCheckable(m_action->isCheckable());
    {
        const QSignalBlocker blocker(this);
        setChecked(m_action->isChecked());
    }
    m_iconPath = m_action->property("cvnRibbonIconPath").toString();
    if (m_iconPath.isEmpty()) {
        if (!m_action->icon().isNull())
            setIconKeepingPlacement(m_action->icon());
    } else {
        setIconKeepingPlacement(m_iconPath);
    }
    update();
}

void CVNQRibbonButton::onClicked()
{
    if (!m_action || m_popupMode == CVN_RIBBON_POPUP_INSTANT)
        return;
    const RibbonHandlingScope scope(this);
    // A slot on the command may rebuild the bar and take this button away.
    const QPointer<CVNQRibbonButton> self(this);
    m_action->trigger();
    if (self)
        syncFromAction();
}

bool CVNQRibbonButton::event(QEvent* event)
{
    const RibbonHandlingScope scope(this);
    return CVNQPushButton::event(event);
}

QRect CVNQRibbonButton::popupIndicatorRect() const
{
    if (m_popupMode == CVN_RIBBON_POPUP_NONE || !m_menu)
        return QRect();
    const int w = width();
    const int h = height();
    if (m_itemSize == CVN_RIBBON_ITEM_LARGE)
        return QRect(0, qMax(h - 20, 0), w, qMin(h, 20));
    return QRect(qMax(w - 17, 0), 0, qMin(w, 17), h);
}

void CVNQRibbonButton::showPopupMenu()
{
    if (!m_menu)
        return;
    emit menuAboutToShow();
    m_menu->popup(mapToGlobal(QPoint(0, height())));
}

QSize CVNQRibbonButton::sizeHint() const
{
    const int t = QFontMetrics(font()).horizontalAdvance(text());
    // The arrow strip of a menu button takes room from the text beside it.
    const int strip = m_menu && m_popupMode != CVN_RIBBON_POPUP_NONE ? 17 : 0;
    switch (m_itemSize) {
    case CVN_RIBBON_ITEM_MEDIUM: return QSize(qMax(t + 34 + strip, 74), 30);
    case CVN_RIBBON_ITEM_SMALL: return QSize(qMax(t + 30 + strip, 54), 24);
    default: return QSize(qMax(t + 20, 64), 68);
    }
}

void CVNQRibbonButton::mousePressEvent(QMouseEvent* event)
{
    m_menuOpenedByPress = false;
    const bool instant = m_menu && m_popupMode == CVN_RIBBON_POPUP_INSTANT;
    const bool split = m_popupMode == CVN_RIBBON_POPUP_SPLIT && popupIndicatorRect().contains(event->pos());
    if (instant || split) {
        m_menuOpenedByPress = true;
        showPopupMenu();
        event->accept();
        return;
    }
    CVNQPushButton::mousePressEvent(event);
}

void CVNQRibbonButton::keyPressEvent(QKeyEvent* event)
{
    // The keyboard's way to the menu a press on the button would open.
    const int key = event->key();
    const bool activate = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (activate && !event->isAutoRepeat() && m_menu && m_popupMode == CVN_RIBBON_POPUP_INSTANT) {
        showPopupMenu();
        event->accept();
        return;
    }
    CVNQPushButton::keyPressEvent(event);
}

void CVNQRibbonButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_menuOpenedByPress) {
        m_menuOpenedByPress = false;
        event->accept();
        return;
    }
    CVNQPushButton::mouseReleaseEvent(event);
}

void CVNQRibbonButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const int w = width();
    const int h = height();

    CtrlState state = CtrlStateNormal;
    if (!isEnabled())
        state = CtrlStateDisabled;
    else if (isDown() || isChecked())
        state = CtrlStatePressed;
    else if (underMouse())
        state = CtrlStateHover;
    CVNQWidgetBaseImpl::drawFillStyle(&painter, getBackground(state), rect());

    const QColor contextColor = property("cvnRibbonContextColor").value<QColor>();
    if (contextColor.isValid())
        painter.fillRect(QRect(2, 0, qMax(w - 4, 0), 3), contextColor);

    const QRect indicator = popupIndicatorRect();
    const bool large = m_itemSize == CVN_RIBBON_ITEM_LARGE;
    const bool hasIcon = !m_iconPath.isEmpty() || (m_action && !m_action->icon().isNull());
    QRect iconRect;
    QRect textRect;
    if (large) {
        iconRect = QRect(8, 5, qMax(w - 16, 16), qMax(h - 31, 18));
        textRect = QRect(4, h - 27, w - 8, 23);
    } else {
        const int y = (h - 18) / 2 > 2 ? (h - 18) / 2 : 2;
        iconRect = QRect(5, y, 18, 18);
        textRect = QRect(27, 0, qMax(w - (indicator.isValid() ? 48 : 31), 0), h);
        // Without an icon (tabs, arrows, plain commands) the text takes the
        // icon's room too, or a tab sized for its title could not show it.
        if (!hasIcon)
            textRect = QRect(4, 0, qMax(w - (indicator.isValid() ? 25 : 8), 0), h);
    }

    if (!m_iconPath.isEmpty()) {
        const int side = large ? 32 : 16;
        CVNQWidgetBaseImpl::drawIcon(&painter, QIcon(m_iconPath), QSize(side, side), getIconStyle(), iconRect);
    } else if (m_action && !m_action->icon().isNull()) {
        const QSize size(qMin(iconRect.width(), 24), qMin(iconRect.height(), 24));
        CVNQWidgetBaseImpl::drawIcon(&painter, m_action->icon(), size, getIconStyle(), iconRect);
    }

    if (getShowText())
        CVNQWidgetBaseImpl::drawText(&painter, text(), getTextStyle(state), textRect);

    if (indicator.isValid()) {
        if (m_popupMode == CVN_RIBBON_POPUP_SPLIT) {
            painter.setPen(QPen(QColor(180, 188, 199), 1));
            if (large)
                painter.drawLine(4, indicator.top(), w - 4, indicator.top());
            else
                painter.drawLine(indicator.left(), 4, indicator.left(), h - 4);
        }
        const QPoint c = indicator.center();
        const QPoint triangle[3] = {QPoint(c.x() - 4, c.y() - 2), QPoint(c.x() + 4, c.y() - 2),
                                    QPoint(c.x(), c.y() + 3)};
        painter.setPen(Qt::NoPen);
        painter.setBrush(getTextStyle(state).clr);
        painter.drawPolygon(triangle, 3);
    }
}

} // namespace CVNQtLib

#include "moc_CVNQRibbonButton.cpp"
