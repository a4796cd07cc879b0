#include "CVNQDesignerRegistration.h"

#include "CVNQCanvas.h"
#include "CVNQCanvasWindow.h"
#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQPropertyList.h"

namespace CVNQtLib {

void cvnRegisterDesignerControls()
{
    cvnRegisterControlTypes({
        {CVNQCanvasWindow::typeName(), &CVNQCanvasWindow::createCanvas, &CVNQCanvasWindow::getProps, true},
        {CVNQPropertyList::typeName(), &CVNQPropertyList::createCVNQPropertyList, &CVNQPropertyList::getProps, true},
        {CVNQCanvas::typeName(), &CVNQCanvas::createCVNQCanvas, nullptr, false},
        // Aliases.
        {"property", &CVNQPropertyList::createCVNQPropertyList, nullptr, false},
    });
}

} // namespace CVNQtLib
