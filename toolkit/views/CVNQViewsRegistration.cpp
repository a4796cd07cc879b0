#include "CVNQViewsRegistration.h"

#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQTableView.h"

namespace CVNQtLib {

void cvnRegisterViewControls()
{
    cvnRegisterControlTypes({
        {CVNQTableView::typeName(), &CVNQTableView::createCVNQTableView, &CVNQTableView::getProps, true},
        // Aliases.
        {"datagrid", &CVNQTableView::createCVNQTableView, nullptr, false},
    });
}

} // namespace CVNQtLib
