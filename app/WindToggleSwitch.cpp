#include "WindToggleSwitch.h"

#include <QMouseEvent>
#include <QPointer>

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
}

void WindToggleSwitch::mousePressEvent(QMouseEvent* event)
{
    if (isEnabled() && event->button() == Qt::LeftButton) {
        checked = !checked;
        // A slot may delete the switch; the press then ends with it.
        const QPointer<WindToggleSwitch> alive(this);
        emit checkedChanged(checked);
        if (!alive)
            return;
    }
    CVNQSwitch::mousePressEvent(event);
}
