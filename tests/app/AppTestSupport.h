#pragma once

// Shared set-up of the dashboard tests: the toolkit started once as the
// program starts it, the theme folder of the source tree loaded.

#include <QString>

namespace AppTest {

// app/windfarm-theme of the source tree.
QString themeDir();
// Starts the toolkit, registers the charts, installs the font stand-ins and
// loads the theme folder; later calls do nothing. False when the theme does
// not load.
bool startToolkit();
// The built dashboard executable, or an empty string when it is missing.
QString gustrelExecutable();

} // namespace AppTest
