#include "CVNQRibbonRegistration.h"

#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQRibbonBar.h"

namespace CVNQtLib {

void cvnRegisterRibbonControls()
{
    cvnRegisterControlTypes({
        {CVNQRibbonBar::typeName(), &CVNQRibbonBar::createCVNQRibbonBar, &CVNQRibbonBar::getProps, true},
    });
}

} // namespace CVNQtLib
