#pragma once

// Internal: what the start-up table at the top of the toolkit and the
// folders above the core hand to the core, which includes none of them.

#include "CVNJsonFwd.h"
#include "CVNQGlobal.h"

#include <string>
#include <vector>

class QWidget;

namespace CVNQtLib {

class CVNQMenu;

// Set once init() has run; the guarded cvn functions read it.
bool& initialisedFlag();
// Set by cvnInitQtControl when the host is the maker's emulator or designer
// tool; read by cvnIsQtEmulator.
bool& emulatorFlag();

// A new menu under parent that has read a menu file's root object. The
// folder that holds the menu class installs it when it registers its
// controls; without one, cvnCreateMenuByFileName builds nothing.
using CVNQMenuBuilder = CVNQMenu* (*)(QWidget* parent, const Json::Value& root);
void cvnSetMenuBuilder(CVNQMenuBuilder builder);

// Every name of the create map (aliases too), in byte order.
std::vector<std::string> registeredControlTypeNames();

} // namespace CVNQtLib
