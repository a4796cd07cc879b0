#pragma once

// Start-up of the dashboard and its unattended actions. main() only calls
// runGustrel; the tests call the steps below directly.

#include <QString>

#include <memory>

class QWidget;
class WindFarmWindow;
struct GustrelOptions;

// Exit codes besides the event loop's own result.
constexpr int kGustrelExitThemeMissing = 1;
constexpr int kGustrelExitScreenshotFailed = 2;

// The window as a PNG at path (missing folders are created): grabbed from
// the primary screen when all of the window lies on it, else rendered by its
// widgets and OpenGL charts. 0 when written, kGustrelExitScreenshotFailed
// otherwise, with the reason on stderr.
int saveWindowScreenshot(QWidget* window, const QString& path);

// saveWindowScreenshot, then quits the event loop with its code.
int captureScreenshot(QWidget* window, const QString& path);

// When the command line's delayed actions fall due after the window is shown.
constexpr int kGustrelDrawerDelayMs = 180;
constexpr int kGustrelScreenshotDelayMs = 1400;

// Arms the command line's delayed actions on the shown window: with
// options.drawer, after drawerDelayMs the turbines page with WTG-007's detail
// drawer opening; with a screenshot path, after screenshotDelayMs the
// screenshot (captureScreenshot). However late a slow start lets them run,
// the screenshot waits until the drawer action has run and the window is at
// rest and on screen, and then repaints the window before it is grabbed; a
// window closed by then ends the loop with kGustrelExitScreenshotFailed.
// Returns the screenshot's code, kGustrelExitScreenshotFailed until it is
// saved (null when none was asked for).
std::shared_ptr<const int> armGustrelActions(WindFarmWindow& window, const GustrelOptions& options,
                                             int drawerDelayMs = kGustrelDrawerDelayMs,
                                             int screenshotDelayMs = kGustrelScreenshotDelayMs);

// The process exit code after the event loop: the loop's result, but
// kGustrelExitScreenshotFailed while an asked-for screenshot (the code
// armGustrelActions returned) was not saved, said on stderr.
int gustrelExitCode(int loopResult, const std::shared_ptr<const int>& screenshot, const QString& path);

// The dashboard's start-up after the application object exists, shared by
// the program and its tests: the font stand-ins, the toolkit, the chart
// types, the global configuration, then the theme folder at themePath.
// False when the theme does not load (the toolkit stays started).
bool startGustrelToolkit(const QString& themePath);

// The whole program: prepares Qt, starts the toolkit, loads the theme folder
// beside the executable, reads the command line, shows the window and runs
// the event loop. Returns the process exit code.
int runGustrel(int argc, char** argv);
