#include "CVNQViewsRegistration.h"

#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQList.h"
#include "CVNQListView.h"
#include "CVNQMenu.h"
#include "CVNQMenuBar.h"
#include "CVNQStartup.h"
#include "CVNQTableView.h"
#include "CVNQTreeView.h"

#include <json/value.h>

namespace CVNQtLib {

namespace {

CVNQMenu* buildMenu(QWidget* parent, const Json::Value& root)
{
    // Themed first, so the file's styles win over the "qtmenu" entry.
    auto* menu = new CVNQMenu(parent);
    Json::Value node = root;
    menu->readJsonValue(&node);
    return menu;
}

} // namespace

void cvnRegisterViewControls()
{
    cvnRegisterControlTypes({
        {CVNQMenuBar::typeName(), &CVNQMenuBar::createCVNQMenuBar, &CVNQMenuBar::getProps, true},
        {CVNQListView::typeName(), &CVNQListView::createCVNQListView, &CVNQListView::getProps, false},
        {CVNQList::typeName(), &CVNQList::createCVNQList, &CVNQList::getProps, true},
        {CVNQTreeView::typeName(), &CVNQTreeView::createCVNQTreeView, &CVNQTreeView::getProps, true},
        {CVNQTableView::typeName(), &CVNQTableView::createCVNQTableView, &CVNQTableView::getProps, true},
        // Aliases.
        {"menubar", &CVNQMenuBar::createCVNQMenuBar, nullptr, false},
        {"listview", &CVNQListView::createCVNQListView, nullptr, false},
        {"templateList", &CVNQListView::createCVNQListView, nullptr, false},
        {"list", &CVNQList::createCVNQList, nullptr, false},
        {"tree", &CVNQTreeView::createCVNQTreeView, nullptr, false},
        {"datagrid", &CVNQTableView::createCVNQTableView, nullptr, false},
    });
    cvnSetMenuBuilder(&buildMenu);
}

} // namespace CVNQtLib
