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
    if (isEnabled() && event->button() == Qt::LeftButton) {
        checked = !checked;
        emit checkedChanged(checked);
    }
    CVNQSwitch::mousePressEvent(event);
}
