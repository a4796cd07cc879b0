#include "CVNQRibbonButton.h"
#include "CVNQOutlives.h"
#include "CVNQWidgetBaseImpl.h"

#include "CVNQRibbonGeometry.h"
#include "CVNQRibbonRetire.h"
#include "CVNQRibbonMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QtMath>
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
    // A menu that is its child goes after this part of it.
    if (m_menu)
        disconnect(m_menu, &QObject::destroyed, this, nullptr);
}

void CVNQRibbonButton::setItemSize(CVN_RIBBON_ITEM_SIZE size)
{
    m_itemSize = size;
    announceSizeHint();
    update();
}

void CVNQRibbonButton::setPopupMode(CVN_RIBBON_POPUP_MODE mode)
{
    m_popupMode = mode;
    announceSizeHint();
    update();
}

void CVNQRibbonButton::announceSizeHint()
{
    // A shown parent hears of it from updateGeometry; a hidden group keeps
    // the widths of its items and must hear of it too.
    updateGeometry();
    QWidget* parent = parentWidget();
    if (parent && !parent->isVisible()) {
        QEvent request(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(parent, &request);
    }
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
    if (m_menu)
        disconnect(m_menu, &QObject::destroyed, this, nullptr);
    m_menu = menu;
    if (menu && !menu->parent())
        menu->setParent(this, menu->windowFlags());
    // A menu its owner deletes takes the arrow strip and its room along. A
    // widget reports its end while it still is one: the pointer is let go
    // here, not left for the guard to find later.
    if (menu)
        connect(menu, &QObject::destroyed, this, [this]() {
            m_menu.clear();
            announceSizeHint();
            update();
        });
    announceSizeHint();
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

template <class Icon>
void CVNQRibbonButton::setIconKeepingPlacement(const Icon& icon)
{
    const IconStyleDesc placement = getIconStyle();
    const int textX = getTextOffsetX();
    const int textY = getTextOffsetY();
    setIcon(icon);
    setIconStyle(placement);
    setTextOffsetX(textX);
    setTextOffsetY(textY);
}

void CVNQRibbonButton::syncFromAction()
{
    if (!m_action)
        return;
    // The icon before the text: the push button then has no text to measure
    // for an icon placement the ribbon does not use.
    m_iconPath = m_action->property("cvnRibbonIconPath").toString();
    if (m_iconPath.isEmpty()) {
        if (!m_action->icon().isNull())
            setIconKeepingPlacement(m_action->icon());
    } else {
        setIconKeepingPlacement(m_iconPath);
    }
    if (text() != m_action->text()) {
        setText(m_action->text());
        announceSizeHint();
    }
    setToolTip(m_action->toolTip());
    setEnabled(m_action->isEnabled());
    setCheckable(m_action->isCheckable());
    {
        const QSignalBlocker blocker(this);
        setChecked(m_action->isChecked());
    }
    // A command the application hides hides its button, and its owner (a
    // group, the quick-access row, a gallery) lays it out again.
    if (m_action->isVisible() != m_shownForAction) {
        m_shownForAction = m_action->isVisible();
        setVisible(m_shownForAction);
        announceSizeHint();
    }
    update();
}

void CVNQRibbonButton::onClicked()
{
    if (!m_action || m_popupMode == CVN_RIBBON_POPUP_INSTANT)
        return;
    // A slot on the command may rebuild the bar and take this button away;
    // a click() from code reaches here without an event to the button.
    const RibbonHandlingScope scope(this);
    if (cvnOutlives(this, [this] { m_action->trigger(); }))
        syncFromAction();
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
    // A slot may take the button or its menu away.
    if (cvnOutlives(this, [this] { emit menuAboutToShow(); }) && m_menu)
        m_menu->popup(mapToGlobal(QPoint(0, height())));
}

int CVNQRibbonButton::textAdvance() const
{
    // Measured in the fonts the paint draws it in: each state's text style
    // as a painter on this button resolves it (the widest, so hovering or
    // pressing does not elide it). Layouts ask for size hints many times
    // while a ribbon is built; the text is measured again only when it or
    // one of those fonts changed.
    const QString current = text();
    QVector<QFont> fonts;
    for (int state = 0; state < CtrlStateCount; ++state)
        fonts.append(CVNQWidgetBaseImpl::fontForStyle(getTextStyle(CtrlState(state)), this));
    if (m_textAdvance < 0 || current != m_measuredText || fonts != m_measuredFonts) {
        m_textAdvance = 0;
        // Rounded up: the painter elides a text whose fractional width
        // exceeds its room by a fraction of a pixel.
        for (const QFont& font : fonts)
            m_textAdvance = qMax(m_textAdvance, qCeil(QFontMetricsF(font, this).horizontalAdvance(current)));
        m_measuredText = current;
        m_measuredFonts = fonts;
    }
    return m_textAdvance;
}

QSize CVNQRibbonButton::sizeHint() const
{
    const int t = textAdvance();
    // The arrow strip of a menu button takes room from the text beside it.
    const int strip = m_menu && m_popupMode != CVN_RIBBON_POPUP_NONE ? 17 : 0;
    switch (m_itemSize) {
    case CVN_RIBBON_ITEM_MEDIUM: return QSize(qMax(t + 34 + strip, 74), 30);
    // Room for the text rectangle of ribbonButtonRects (from x 27 to 4 px
    // short of the edge) and the painter's 2 px eliding margin.
    case CVN_RIBBON_ITEM_SMALL: return QSize(qMax(t + 33 + strip, 54), 24);
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
    // The keyboard's way to the menu a press on the button (or on its arrow
    // strip) would open: F4 or Alt+Down, and Space or Return where a press
    // anywhere opens it.
    const int key = event->key();
    const bool activate = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool menuKey = key == Qt::Key_F4 || (key == Qt::Key_Down && (event->modifiers() & Qt::AltModifier));
    const bool opens = m_popupMode == CVN_RIBBON_POPUP_INSTANT ? activate || menuKey
                                                               : menuKey && m_popupMode == CVN_RIBBON_POPUP_SPLIT;
    if (opens && !event->isAutoRepeat() && m_menu) {
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
    const RibbonButtonRects rects = ribbonButtonRects(m_itemSize, size(), indicator, hasIcon, textAdvance());

    if (!m_iconPath.isEmpty()) {
        const QSize side(rects.iconSide, rects.iconSide);
        CVNQWidgetBaseImpl::drawIconFile(&painter, m_iconPath, side, getIconStyle(), rects.icon);
    } else if (m_action && !m_action->icon().isNull()) {
        const QSize size(qMin(rects.icon.width(), 24), qMin(rects.icon.height(), 24));
        CVNQWidgetBaseImpl::drawIcon(&painter, m_action->icon(), size, getIconStyle(), rects.icon);
    }

    if (getShowText())
        CVNQWidgetBaseImpl::drawText(&painter, text(), getTextStyle(state), rects.text);

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

RibbonButtonRects ribbonButtonRects(CVN_RIBBON_ITEM_SIZE size, const QSize& button, const QRect& indicator,
                                    bool hasIcon, int textAdvance)
{
    const int w = button.width();
    const int h = button.height();
    RibbonButtonRects rects;
    if (size == CVN_RIBBON_ITEM_LARGE) {
        rects.iconSide = 32;
        rects.icon = QRect(8, 5, qMax(w - 16, 16), qMax(h - 31, 18));
        rects.text = QRect(4, h - 27, w - 8, 23);
        if (indicator.isValid()) {
            // The menu strip takes the bottom: the label stands on it, the
            // icon above shrinks when the button is too low for both.
            rects.text = QRect(4, indicator.top() - 16, w - 8, 16);
            rects.icon.setHeight(qMax(rects.text.top() - 6, 8));
            rects.iconSide = qMin(32, rects.icon.height());
        }
        return rects;
    }
    rects.iconSide = 16;
    const int y = (h - 18) / 2 > 2 ? (h - 18) / 2 : 2;
    rects.icon = QRect(5, y, 18, 18);
    rects.text = QRect(27, 0, qMax(w - (indicator.isValid() ? 48 : 31), 0), h);
    // Without an icon (tabs, arrows, plain commands) the text takes the
    // icon's room too, or a tab sized for its title could not show it.
    if (!hasIcon) {
        rects.text = QRect(4, 0, qMax(w - (indicator.isValid() ? 25 : 8), 0), h);
        // A text wider than that (the gallery's narrow "...") takes the
        // margins as well rather than being elided away.
        // (The text painter elides at the rectangle's width less 2.)
        if (!indicator.isValid() && textAdvance + 2 > rects.text.width())
            rects.text = QRect(0, 0, w, h);
    }
    return rects;
}

} // namespace CVNQtLib

#include "moc_CVNQRibbonButton.cpp"
