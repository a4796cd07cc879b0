#include "GustrelApp.h"

#include "CVNQChartRegistration.h"
#include "CVNQLogging.h"
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

// Collects what the toolkit's theme category says while the theme loads,
// so a failure can be reported with its reasons. Other messages pass on.
class ThemeWarnings
{
public:
    ThemeWarnings()
        : m_previous(qInstallMessageHandler(&ThemeWarnings::handle))
    {
        s_active = this;
    }
    ~ThemeWarnings()
    {
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
    }
    ThemeWarnings(const ThemeWarnings&) = delete;
    ThemeWarnings& operator=(const ThemeWarnings&) = delete;

    const QStringList& messages() const { return m_messages; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        ThemeWarnings* self = s_active;
        if (self && type == QtWarningMsg && context.category &&
            qstrcmp(context.category, CVNQtLib::lcTheme().categoryName()) == 0) {
            self->m_messages << message;
            return;
        }
        if (self && self->m_previous)
            self->m_previous(type, context, message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }

    static ThemeWarnings* s_active;
    QtMessageHandler m_previous;
    QStringList m_messages;
};

ThemeWarnings* ThemeWarnings::s_active = nullptr;

void reportThemeFailure(const QString& themePath, const QStringList& reasons, bool unattended)
{
    const QString text = QStringLiteral("Unable to load the Gustrel theme from:\n%1").arg(themePath);
    // The reasons go to stderr in either case; a message box is gone once closed.
    std::fprintf(stderr, "Gustrel: %s\n", text.toLocal8Bit().constData());
    for (const QString& reason : reasons)
        std::fprintf(stderr, "Gustrel: %s\n", reason.toLocal8Bit().constData());
    // An unattended run (a screenshot was asked for) has nobody to close a
    // message box: it would wait forever instead of exiting with code 1.
    if (unattended)
        return;
    QMessageBox::critical(nullptr, QStringLiteral("Gustrel"), text, QMessageBox::Ok);
}

} // namespace

int runGustrel(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_UseDesktopOpenGL, true);
    QApplication app(argc, argv);
    installGustrelFontSubstitutes();

    CVNQtLib::init();
    CVNQtLib::cvnRegisterChartControls();

    CVNQtLib::CVNGlobalConfig config;
    config.fontFamily = gustrelFontFamily();
    config.buttonFadeEnabled = false;
    config.buttonFadeDuration = 140;
    CVNQtLib::cvnSetGlobalConfig(config);

    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const GustrelOptions options = parseGustrelOptions(arguments);

    const QString themePath = QCoreApplication::applicationDirPath() + QStringLiteral("/windfarm-theme");
    const QByteArray encodedPath = QFile::encodeName(themePath);
    QStringList themeReasons;
    bool themeLoaded = false;
    {
        ThemeWarnings warnings;
        themeLoaded = CVNQtLib::cvnLoadThemeDir(encodedPath.constData());
        themeReasons = warnings.messages();
    }
    if (themeLoaded) {
        // A loaded theme may still have had something to say.
        for (const QString& reason : themeReasons)
            qCWarning(CVNQtLib::lcTheme).noquote() << reason;
    } else {
        reportThemeFailure(themePath, themeReasons, !options.screenshotPath.isEmpty());
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
