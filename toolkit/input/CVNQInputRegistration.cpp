#include "CVNQInputRegistration.h"

#include "CVNQComboBox.h"
#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQLineEdit.h"
#include "CVNQScrollBar.h"
#include "CVNQSlider.h"
#include "CVNQSpinBox.h"
#include "CVNQTextEdit.h"

namespace CVNQtLib {

void cvnRegisterInputControls()
{
    cvnRegisterControlTypes({
        {CVNQSlider::typeName(), &CVNQSlider::createCVNQSlider, &CVNQSlider::getProps, true},
        {CVNQLineEdit::typeName(), &CVNQLineEdit::createCVNQLineEdit, &CVNQLineEdit::getProps, true},
        {CVNQComboBox::typeName(), &CVNQComboBox::createCVNQComboBox, &CVNQComboBox::getProps, true},
        {CVNQSpinBox::typeName(), &CVNQSpinBox::createCVNQSpinBox, nullptr, false},
        {CVNQScrollBar::typeName(), &CVNQScrollBar::createCVNQScrollBar, &CVNQScrollBar::getProps, true},
        {CVNQTextEdit::typeName(), &CVNQTextEdit::createCVNQTextEdit, &CVNQTextEdit::getProps, true},
        {"scrollbar", &CVNQScrollBar::createCVNQScrollBar, nullptr, false},
        // Aliases.
        {"slider", &CVNQSlider::createCVNQSlider, nullptr, false},
        {"dedit", &CVNQLineEdit::createCVNQLineEdit, nullptr, false},
        {"combobox", &CVNQComboBox::createCVNQComboBox, nullptr, false},
        {"spinbox", &CVNQSpinBox::createCVNQSpinBox, nullptr, false},
        {"dnumedit", &CVNQSpinBox::createCVNQSpinBox, nullptr, false},
    });
}

} // namespace CVNQtLib
