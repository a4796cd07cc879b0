#include "WindToggleSwitch.h"

#include "CVNQOutlives.h"

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
}

void WindToggleSwitch::mousePressEvent(QMouseEvent* event)
{
    if (isEnabled() && event->button() == Qt::LeftButton) {
        checked = !checked;
        // A slot may delete the switch; the press then ends with it.
        if (!CVNQtLib::cvnOutlives(this, [this] { emit checkedChanged(checked); }))
            return;
    }
    CVNQSwitch::mousePressEvent(event);
    // The thumb goes where the state says, whatever the press did: a right
    // press, a press during a slide, a slot that set the state itself.
    setSwitchToLeft(!checked);
}
