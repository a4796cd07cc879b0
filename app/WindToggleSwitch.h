#pragma once

// The dashboard's on/off switch: a themed switch that keeps its own checked
// state (thumb on the right = on) and reports every toggle by the mouse.

#include "CVNQSwitch.h"

class WindToggleSwitch : public CVNQtLib::CVNQSwitch
{
    Q_OBJECT

public:
    explicit WindToggleSwitch(QWidget* parent = nullptr);

    bool isChecked() const { return checked; }
    void setChecked(bool checked);

Q_SIGNALS:
    void checkedChanged(bool checked);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool checked = false;
};
