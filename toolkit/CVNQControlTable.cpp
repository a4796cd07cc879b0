// The toolkit's start-up: the one place that knows every folder. Each
// folder registers its own controls; a new folder adds its registration
// call to the table below.

#include "CScrollBarStyle.h"
#include "CVNQControlFactory.h"
#include "CVNQControlsRegistration.h"
#include "CVNQDesignerRegistration.h"
#include "CVNQInputRegistration.h"
#include "CVNQLayoutRegistration.h"
#include "CVNQResourceManager.h"
#include "CVNQRibbonRegistration.h"
#include "CVNQStartup.h"
#include "CVNQtLib.h"
#include "CVNQViewsRegistration.h"

#include <QApplication>

namespace CVNQtLib {

void cvnInitQtControl()
{
    // The folders register disjoint names, and a name registered twice
    // within a folder keeps its order there; so calling the folders in the
    // order their first entries appear in the full table gives the full
    // table's result. (The design surface, whose canvas window heads the
    // table, goes first; the ribbon after the input controls.)
    cvnRegisterDesignerControls();
    cvnRegisterLayoutControls();
    cvnRegisterBasicControls();
    cvnRegisterViewControls();
    cvnRegisterInputControls();
    cvnRegisterRibbonControls();

    // Contents for demonstration are filled only inside the maker's
    // emulator or designer tool, recognised by the executable's path.
    const QString path = QCoreApplication::applicationFilePath();
    if (path.contains(QLatin1String("CorvaneQtEmulator")) || path.contains(QLatin1String("PlanarForge")))
        emulatorFlag() = true;
}

void init()
{
    if (initialisedFlag())
        return;
    QApplication::setStyle(cvnGetStyle());
    cvnInitQtControl();
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    rm->initDefaultImageRes();
    rm->initDefaultStyleRes();
    initialisedFlag() = true;
}

} // namespace CVNQtLib
