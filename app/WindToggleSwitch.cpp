#include "WindToggleSwitch.h"

#include <QMouseEvent>

WindToggleSwitch::WindToggleSwitch(QWidget* parent)
    : CVNQSwitch(parent)
{
    setThemeName(QStringLiteral("WindSwitch"));
    setLeftText(QStringLiteral("ON"));
    setRightText(QStringLiteral("OFF"));
    setShowAllText(false);
    setThumbSize(18, 18);
    setMargin(3);
    setSwitchSpeed(180);
    setChecked(true);
}

void WindToggleSwitch::setChecked(bool value)
{
    if (value == checked)
        return;
    checked = value;
    setSwitchToLeft(!checked);
    update();
}

void WindToggleSwitch::mousePressEvent(QMouseEvent* event)
{
    // Only the left button toggles; any other press would slide the thumb
    // away from the state the switch reports.
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // At rest the thumb's side flag says the opposite of checked; while a
    // slide runs it still names the side the slide started from, so it
    // equals checked. A press then only shows the pressed look (the base
    // does not start a second slide), and the state must not flip either.
    const bool sliding = getIsSwitchToLeft() == checked;
    if (isEnabled() && !sliding) {
        checked = !checked;
        emit checkedChanged(checked);
    }
    CVNQSwitch::mousePressEvent(event);
}
