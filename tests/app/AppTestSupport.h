#pragma once

// Shared set-up of the dashboard tests: the toolkit started once as the
// program starts it, the theme folder of the source tree loaded.

#include <QString>

class WindFarmWindow;

namespace AppTest {

// app/windfarm-theme of the source tree.
QString themeDir();
// Starts the toolkit, registers the charts, installs the font stand-ins and
// loads the theme folder; later calls do nothing. False when the theme does
// not load.
bool startToolkit();
// Waits until both drawers have come to rest at the side their flags name:
// no slide runs, the children are laid out again, a closed drawer is hidden.
bool waitDrawersAtRest(const WindFarmWindow& window);
// Waits until the drawers are at rest, every chart has finished its intro
// animation and the window is painted on screen.
bool waitWindowAtRest(WindFarmWindow& window);
// The built dashboard executable, or an empty string when it is missing.
QString gustrelExecutable();

} // namespace AppTest
