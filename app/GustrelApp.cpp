#include "GustrelApp.h"

#include "CVNQChartRegistration.h"
#include "CVNQtLib.h"
#include "GustrelCommandLine.h"
#include "GustrelFonts.h"
#include "WindFarmWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdio>

int saveWindowScreenshot(QWidget* window, const QString& path)
{
    if (!window || path.isEmpty())
        return kGustrelExitScreenshotFailed;
    // A folder that cannot be made shows up as a failed save below.
    QDir().mkpath(QFileInfo(path).absolutePath());

    QPixmap shot;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        shot = screen->grabWindow(window->winId());
    if (shot.isNull())
        shot = window->grab();
    if (shot.isNull())
        return kGustrelExitScreenshotFailed;
    return shot.save(path, "PNG") ? 0 : kGustrelExitScreenshotFailed;
}

int captureScreenshot(QWidget* window, const QString& path)
{
    const int code = saveWindowScreenshot(window, path);
    QCoreApplication::exit(code);
    return code;
}

namespace {

void reportThemeFailure(const QString& themePath, bool unattended)
{
    const QString text = QStringLiteral("Unable to load the Gustrel theme from:\n%1").arg(themePath);
    // An unattended run (a screenshot was asked for) has nobody to close a
    // message box: it would wait forever instead of exiting with code 1.
    if (unattended) {
        std::fprintf(stderr, "Gustrel: %s\n", text.toLocal8Bit().constData());
        return;
    }
    QMessageBox::critical(nullptr, QStringLiteral("Gustrel"), text, QMessageBox::Ok);
}

} // namespace

bool startGustrelToolkit(const QString& themePath)
{
    installGustrelFontSubstitutes();

    CVNQtLib::init();
    CVNQtLib::cvnRegisterChartControls();

    CVNQtLib::CVNGlobalConfig config;
    config.fontFamily = gustrelFontFamily();
    config.buttonFadeEnabled = false;
    config.buttonFadeDuration = 140;
    CVNQtLib::cvnSetGlobalConfig(config);

    const QByteArray encodedPath = QFile::encodeName(themePath);
    return CVNQtLib::cvnLoadThemeDir(encodedPath.constData());
}

int runGustrel(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_UseDesktopOpenGL, true);
    QApplication app(argc, argv);

    // Read first (it only looks at the arguments): a failed theme load
    // needs to know whether anybody is there to close a message box.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const GustrelOptions options = parseGustrelOptions(arguments);

    const QString themePath = QCoreApplication::applicationDirPath() + QStringLiteral("/windfarm-theme");
    if (!startGustrelToolkit(themePath)) {
        reportThemeFailure(themePath, !options.screenshotPath.isEmpty());
        CVNQtLib::shutdown();
        return kGustrelExitThemeMissing;
    }

    WindFarmWindow window;
    window.resize(expandedWindowSize(options.size, window.minimumSize()));
    if (options.chinese)
        window.setLanguage(1);
    window.setCurrentPage(options.page);
    window.show();

    if (options.drawer) {
        QTimer::singleShot(180, &window, [&window]() {
            window.setCurrentPage(1);
            window.selectTurbine(QStringLiteral("WTG-007"));
        });
    }
    if (!options.screenshotPath.isEmpty()) {
        const QString path = options.screenshotPath;
        QTimer::singleShot(1400, &window, [&window, path]() { captureScreenshot(&window, path); });
    }

    const int result = app.exec();
    CVNQtLib::shutdown();
    return result;
}
