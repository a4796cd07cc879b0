#include "CVNQControlsRegistration.h"

#include "CVNQCheckBox.h"
#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQImage.h"
#include "CVNQLabel.h"
#include "CVNQLabelEx.h"
#include "CVNQLCDNumber.h"
#include "CVNQProgressBar.h"
#include "CVNQPushButton.h"
#include "CVNQRadioButton.h"
#include "CVNQSwitch.h"

namespace CVNQtLib {

void cvnRegisterBasicControls()
{
    cvnRegisterControlTypes({
        {CVNQImage::typeName(), &CVNQImage::createCVNQImage, &CVNQImage::getProps, true},
        {CVNQPushButton::typeName(), &CVNQPushButton::createCVNQPushButton, &CVNQPushButton::getProps, true},
        {CVNQLabel::typeName(), &CVNQLabel::createCVNQLabel, &CVNQLabel::getProps, true},
        {CVNQCheckBox::typeName(), &CVNQCheckBox::createCVNQCheckBox, &CVNQCheckBox::getProps, true},
        {CVNQProgressBar::typeName(), &CVNQProgressBar::createCVNQProgressBar, &CVNQProgressBar::getProps, true},
        {CVNQRadioButton::typeName(), &CVNQRadioButton::createCVNQRadioButton, &CVNQRadioButton::getProps, true},
        {CVNQLCDNumber::typeName(), &CVNQLCDNumber::createCVNQLCDNumber, &CVNQLCDNumber::getProps, true},
        {CVNQSwitch::typeName(), &CVNQSwitch::createCVNQSwitch, &CVNQSwitch::getProps, true},
        {CVNQLabelEx::typeName(), &CVNQLabelEx::createCVNQLabelEx, nullptr, false},
        {"picture", &CVNQImage::createCVNQImage, nullptr, false},
        // Aliases.
        {"image", &CVNQImage::createCVNQImage, nullptr, false},
        {"button", &CVNQPushButton::createCVNQPushButton, nullptr, false},
        {"label", &CVNQLabel::createCVNQLabel, nullptr, false},
        {"checkbox", &CVNQCheckBox::createCVNQCheckBox, nullptr, false},
        {"progressbar", &CVNQProgressBar::createCVNQProgressBar, nullptr, false},
        {"radio", &CVNQRadioButton::createCVNQRadioButton, nullptr, false},
        {"radiobox", &CVNQRadioButton::createCVNQRadioButton, nullptr, false},
        {"switch", &CVNQSwitch::createCVNQSwitch, nullptr, false},
    });
}

} // namespace CVNQtLib
