#include "GustrelApp.h"

#include "CVNQChartRegistration.h"
#include "CVNJson.h"
#include "CVNQLogging.h"
#include "CVNQResourceManager.h"
#include "CVNQResourceManagerImpl.h"
#include "CVNQtLib.h"
#include "GustrelCommandLine.h"
#include "GustrelFonts.h"
#include "WindFarmWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMessageBox>
#include <QOpenGLWidget>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVector>
#include <QWindow>

#include <cstdio>
#include <memory>

namespace {

// True when the window is shown with all of it on the primary screen: only
// then can the screen show it, as it cannot see what is off it.
bool wholeOnScreen(QWidget* window)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen && window->isVisible() &&
           screen->geometry().contains(QRect(window->mapToGlobal(QPoint(0, 0)), window->size()));
}

bool exposed(QWidget* window)
{
    return window->windowHandle() && window->windowHandle()->isExposed();
}

// The window as the primary screen shows it, when it is whole on it and
// exposed (a window the window system keeps covered or minimised would
// come back as what lies over it).
QPixmap grabFromScreen(QWidget* window)
{
    if (!wholeOnScreen(window) || !exposed(window))
        return QPixmap();
    return QGuiApplication::primaryScreen()->grabWindow(window->winId());
}

// The window rendered by its widgets. QWidget::grab leaves OpenGL surfaces
// empty, so each visible chart's framebuffer is drawn over its place.
QPixmap renderWindow(QWidget* window)
{
    QPixmap shot = window->grab();
    if (shot.isNull())
        return shot;
    QPainter painter(&shot);
    for (QOpenGLWidget* surface : window->findChildren<QOpenGLWidget*>()) {
        if (!surface->isVisibleTo(window))
            continue;
        const QPoint at = surface->mapTo(window, QPoint(0, 0));
        painter.setClipRegion(surface->visibleRegion().translated(at));
        painter.drawImage(QRect(at, surface->size()), surface->grabFramebuffer());
    }
    return shot;
}

// Writes the PNG; false with the reason in error.
bool writePng(const QPixmap& shot, const QString& path, QString& error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("the folder %1 cannot be created").arg(folder);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    QImageWriter writer(&file, "PNG");
    if (!writer.write(shot.toImage())) {
        error = writer.errorString();
        return false;
    }
    if (!file.flush()) {
        error = file.errorString();
        return false;
    }
    return true;
}

void reportScreenshotFailure(const QString& path, const QString& why)
{
    std::fprintf(stderr, "Gustrel: cannot save the screenshot %s: %s\n", QFile::encodeName(path).constData(),
                 why.toLocal8Bit().constData());
}

} // namespace

int saveWindowScreenshot(QWidget* window, const QString& path)
{
    if (!window || path.isEmpty()) {
        reportScreenshotFailure(path, QStringLiteral("no window or no file name"));
        return kGustrelExitScreenshotFailed;
    }
    QPixmap shot = grabFromScreen(window);
    if (shot.isNull())
        shot = renderWindow(window);
    if (shot.isNull()) {
        reportScreenshotFailure(path, QStringLiteral("the window could neither be grabbed nor rendered"));
        return kGustrelExitScreenshotFailed;
    }
    QString error;
    if (!writePng(shot, path, error)) {
        reportScreenshotFailure(path, error);
        return kGustrelExitScreenshotFailed;
    }
    return 0;
}

int captureScreenshot(QWidget* window, const QString& path)
{
    const int code = saveWindowScreenshot(window, path);
    QCoreApplication::exit(code);
    return code;
}

namespace {

// How often a due screenshot looks again whether the window has settled,
// and how long it waits at most: past that it takes what there is (a
// window that is never exposed is rendered rather than grabbed).
constexpr int kSettlePollMs = 10;
constexpr int kSettleLimitMs = 10000;

// The screenshot of captureScreenshot, taken once the drawer action (when
// one is still due) has run and the window is at rest and, when it is to be
// grabbed from the screen, exposed there. The repaint puts the settled
// picture on screen first: a change and the due screenshot can fall into
// one pass of a slow event loop.
// A window closed before the shot is not what was asked for: the code stays
// kGustrelExitScreenshotFailed, and the loop ends with it.
void captureWhenSettled(WindFarmWindow* window, const QString& path, const std::shared_ptr<bool>& drawerDue,
                        const std::shared_ptr<int>& code, int waitedMs = 0)
{
    if (!window->isVisible()) {
        reportScreenshotFailure(path, QStringLiteral("the window was closed before the screenshot"));
        QCoreApplication::exit(*code);
        return;
    }
    const bool settled = !*drawerDue && window->isAtRest() && (!wholeOnScreen(window) || exposed(window));
    if (!settled && waitedMs < kSettleLimitMs) {
        QTimer::singleShot(kSettlePollMs, window, [window, path, drawerDue, code, waitedMs]() {
            captureWhenSettled(window, path, drawerDue, code, waitedMs + kSettlePollMs);
        });
        return;
    }
    window->repaint();
    *code = captureScreenshot(window, path);
}

} // namespace

std::shared_ptr<const int> armGustrelActions(WindFarmWindow& window, const GustrelOptions& options, int drawerDelayMs,
                                             int screenshotDelayMs)
{
    const auto drawerDue = std::make_shared<bool>(options.drawer);
    if (options.drawer) {
        QTimer::singleShot(drawerDelayMs, &window, [&window, drawerDue]() {
            window.setCurrentPage(PageTurbines);
            window.selectTurbine(QStringLiteral("WTG-007"));
            *drawerDue = false;
        });
    }
    if (options.screenshotPath.isEmpty())
        return nullptr;
    const QString path = options.screenshotPath;
    const auto code = std::make_shared<int>(kGustrelExitScreenshotFailed);
    QTimer::singleShot(screenshotDelayMs, &window,
                       [&window, path, drawerDue, code]() { captureWhenSettled(&window, path, drawerDue, code); });
    return code;
}

int gustrelExitCode(int loopResult, const std::shared_ptr<const int>& screenshot, const QString& path)
{
    if (!screenshot || *screenshot == 0)
        return loopResult;
    // The loop ended before the shot was saved: the window was closed, or
    // something quit the program, with nothing written.
    if (loopResult == 0)
        reportScreenshotFailure(path, QStringLiteral("the program ended before the screenshot"));
    return kGustrelExitScreenshotFailed;
}

namespace {

// Collects what the toolkit's theme and style categories say while the
// theme loads, so a failure can be reported with its reasons. Other
// messages pass on.
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

    struct Message
    {
        const QLoggingCategory* category;
        QString text;
    };
    const QVector<Message>& messages() const { return m_messages; }

private:
    static const QLoggingCategory* collected(const char* category)
    {
        for (const QLoggingCategory* c : {&CVNQtLib::lcTheme(), &CVNQtLib::lcStyle()})
            if (category && qstrcmp(category, c->categoryName()) == 0)
                return c;
        return nullptr;
    }

    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        ThemeWarnings* self = s_active;
        const QLoggingCategory* category = collected(context.category);
        if (self && type == QtWarningMsg && category) {
            self->m_messages.append({category, message});
            return;
        }
        if (self && self->m_previous)
            self->m_previous(type, context, message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }

    static ThemeWarnings* s_active;
    QtMessageHandler m_previous;
    QVector<Message> m_messages;
};

ThemeWarnings* ThemeWarnings::s_active = nullptr;

void reportThemeFailure(const QString& themePath, const QVector<ThemeWarnings::Message>& reasons, bool unattended)
{
    const QString text = QStringLiteral("Unable to load the Gustrel theme from:\n%1").arg(themePath);
    // The reasons go to stderr in either case; a message box is gone once closed.
    std::fprintf(stderr, "Gustrel: %s\n", text.toLocal8Bit().constData());
    for (const ThemeWarnings::Message& reason : reasons)
        std::fprintf(stderr, "Gustrel: %s\n", reason.text.toLocal8Bit().constData());
    // An unattended run (a screenshot was asked for) has nobody to close a
    // message box: it would wait forever instead of exiting with code 1.
    if (unattended)
        return;
    // The reasons under the text: who started the program by a click has no
    // stderr to read them in.
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Gustrel"), text, QMessageBox::Ok);
    QStringList why;
    for (const ThemeWarnings::Message& reason : reasons)
        why << reason.text;
    box.setInformativeText(why.join(QLatin1Char('\n')));
    box.exec();
}

// The toolkit keeps a theme whose style file loaded even when its theme
// entries did not: a missing, unreadable, cut off or broken theme.json, or
// a style file without styles. Every control of the dashboard takes its look
// from those entries, so without them it would come up in plain white and
// grey: the program counts such a theme as not loaded, and says why.
// Entries that name none of the dashboard's controls (another program's
// theme) or styles its style file lacks leave the window just as plain:
// the window's own entry must be there, its look defined.
bool windowEntryIsStyled(const CVNQtLib::CVNQResourceManagerImpl& theme)
{
    const char* const kWindowEntry = "WindWindow";
    const Json::Value* window = theme.themeElement(kWindowEntry);
    if (!window) {
        qCWarning(CVNQtLib::lcTheme) << "theme.json has no entry" << QLatin1String(kWindowEntry)
                                     << "for the dashboard window";
        return false;
    }
    const QString style =
        CVNQtLib::jsonToQString(CVNQtLib::jsonAt(CVNQtLib::jsonAt(CVNQtLib::jsonGet(*window, "style"), 0), 0));
    if (!theme.findFillStyle(style)) {
        qCWarning(CVNQtLib::lcStyle) << "the dashboard window's style" << style << "is not in style.json";
        return false;
    }
    return true;
}

bool themeIsUsable()
{
    CVNQtLib::CVNQResourceManagerImpl* theme = CVNQtLib::CVNQResourceManager::getInstance()->getThemeManagerIml();
    if (!theme)
        return false;
    bool usable = true;
    if (theme->fillStyles().isEmpty() && theme->textStyles().isEmpty()) {
        qCWarning(CVNQtLib::lcStyle) << "style.json defines no styles";
        usable = false;
    }
    if (theme->themeElementCount() == 0) {
        if (!theme->file("theme.json"))
            qCWarning(CVNQtLib::lcTheme) << "theme.json is missing or cannot be read";
        else if (!theme->themeRoot().isNull()) // a parse failure has been reported with its reason
            qCWarning(CVNQtLib::lcTheme) << "theme.json holds no theme entries";
        usable = false;
    } else if (usable && !windowEntryIsStyled(*theme)) {
        usable = false;
    }
    return usable;
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

    // The toolkit takes paths as UTF-8 whatever the locale.
    if (!CVNQtLib::cvnLoadThemeDir(themePath.toUtf8().constData()))
        return false;
    return themeIsUsable();
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
    QVector<ThemeWarnings::Message> themeReasons;
    bool themeLoaded = false;
    {
        ThemeWarnings warnings;
        themeLoaded = startGustrelToolkit(themePath);
        themeReasons = warnings.messages();
    }
    if (themeLoaded) {
        // A loaded theme may still have had something to say.
        for (const ThemeWarnings::Message& reason : themeReasons)
            QMessageLogger().warning(*reason.category).noquote() << reason.text;
    } else {
        reportThemeFailure(themePath, themeReasons, !options.screenshotPath.isEmpty());
        CVNQtLib::shutdown();
        return kGustrelExitThemeMissing;
    }

    WindFarmWindow window;
    window.resize(expandedWindowSize(options.size, window.minimumSize()));
    if (options.chinese)
        window.setLanguage(LanguageChinese);
    window.setCurrentPage(options.page);
    window.show();
    const std::shared_ptr<const int> screenshot = armGustrelActions(window, options);

    const int result = app.exec();
    CVNQtLib::shutdown();
    return gustrelExitCode(result, screenshot, options.screenshotPath);
}
