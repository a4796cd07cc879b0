// The program end to end: the real executable asked for screenshots, and the
// exit codes of a missing theme and of a screenshot that cannot be written.

#include "AppTestSupport.h"
#include "GustrelApp.h"
#include "GustrelCommandLine.h"
#include "TestUtil.h"
#include "WindFarmWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTimer>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// What the program writes to stderr while it lives.
class StderrCapture
{
public:
    StderrCapture()
    {
        std::fflush(stderr);
        m_saved = dup(2);
        dup2(fileno(m_file), 2);
    }
    ~StderrCapture() { text(); }
    QByteArray text()
    {
        if (m_saved >= 0) {
            std::fflush(stderr);
            dup2(m_saved, 2);
            close(m_saved);
            m_saved = -1;
            std::rewind(m_file);
            char buffer[4096];
            for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0;)
                m_text.append(buffer, int(n));
            std::fclose(m_file);
        }
        return m_text;
    }

private:
    std::FILE* m_file = std::tmpfile();
    int m_saved = -1;
    QByteArray m_text;
};

struct ProcessRun
{
    int exitCode = -1;
    bool finished = false;
    QByteArray errors;
};

ProcessRun runGustrelProcess(const QString& program, const QStringList& arguments, const QString& screen = QString())
{
    QProcess process;
    // Only the exit code is checked here (the window's code runs under the
    // leak checker in process). The GL driver that a shown window loads is
    // unloaded before a sanitized child's leak report, so its leaks cannot be
    // attributed to a library to suppress, and would turn the exit code to 1.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               asan.isEmpty() ? QStringLiteral("detect_leaks=0") : asan + QStringLiteral(":detect_leaks=0"));
    if (!screen.isEmpty())
        env.insert(QStringLiteral("CORVANE_XVFB_SCREEN"), screen);
    process.setProcessEnvironment(env);
    if (screen.isEmpty()) {
        process.start(program, arguments);
    } else {
        // On an X server of its own with that screen.
        const QString xvfb = TestUtil::sourcePath("tests/with-xvfb.sh");
        process.start(xvfb, QStringList{program} + arguments);
    }
    ProcessRun run;
    run.finished = process.waitForFinished(60000);
    if (!run.finished)
        process.kill();
    run.exitCode = process.exitCode();
    run.errors = process.readAllStandardError();
    return run;
}

// Pixels of WTG-007's fault badge in the right drawer's width of a shot.
int faultBadgePixels(const QImage& shot)
{
    const QImage right = shot.copy(shot.width() - 390, 0, 390, shot.height()).convertToFormat(QImage::Format_RGB32);
    int pixels = 0;
    for (int y = 0; y < right.height(); ++y)
        for (int x = 0; x < right.width(); ++x)
            pixels += right.pixel(x, y) == qRgb(0xBE, 0x33, 0x50);
    return pixels;
}

// Tests that run the built executable; skipped where it is not built.
class GustrelProgram : public ::testing::Test
{
protected:
    void SetUp() override
    {
        exe = AppTest::gustrelExecutable();
        if (exe.isEmpty())
            GTEST_SKIP() << "dashboard executable not built";
    }

    QString exe;
};

} // namespace

TEST_F(GustrelProgram, ScreenshotOfTheRequestedSize)
{
    QTemporaryDir dir;
    // The folder "out" does not exist yet.
    const QString shot = dir.filePath("out/shot.png");
    const ProcessRun run = runGustrelProcess(exe, {"--screenshot", shot, "--size", "1600X1000"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.errors.constData();
    const QImage image(shot);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1600, 1000));
}

TEST_F(GustrelProgram, WindowLargerThanTheScreenIsShotWhole)
{
    QTemporaryDir dir;
    const QString shot = dir.filePath("big.png");
    const ProcessRun run =
        runGustrelProcess(exe, {"--screenshot", shot, "--size", "2560x1440"}, QStringLiteral("1920x1080x24"));
    ASSERT_EQ(run.exitCode, 0) << run.errors.constData();
    const QImage image = QImage(shot).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(2560, 1440));
    // Header on top, window background below: the theme's colours, where a
    // screen grab would have left black beyond the screen's edge.
    for (const QPoint& p : {QPoint(1, 1), QPoint(2558, 1)})
        EXPECT_EQ(image.pixel(p), qRgb(0x0C, 0x1E, 0x20)) << p.x() << "," << p.y();
    for (const QPoint& p : {QPoint(1, 1438), QPoint(2558, 1438)})
        EXPECT_EQ(image.pixel(p), qRgb(0x09, 0x18, 0x1A)) << p.x() << "," << p.y();
    // The energy chart's OpenGL surface is in the picture too.
    int green = 0;
    for (int y = 300; y < 900; y += 2)
        for (int x = 100; x < 1800; x += 2)
            green += qGreen(image.pixel(x, y)) > 150 && qRed(image.pixel(x, y)) < 100;
    EXPECT_GT(green, 500);
}

TEST_F(GustrelProgram, DrawerOpensBeforeTheScreenshot)
{
    QTemporaryDir dir;
    const QString shot = dir.filePath("drawer.png");
    const ProcessRun run = runGustrelProcess(exe, {"--drawer", "--screenshot", shot, "--size", "800x600"});
    ASSERT_EQ(run.exitCode, 0) << run.errors.constData();
    const QImage image(shot);
    ASSERT_EQ(image.size(), QSize(1280, 720));
    // WTG-007's badge in the drawer on the right: the fault fill.
    EXPECT_GT(faultBadgePixels(image), 1000);
}

// A slow start lets both delayed actions fall due in one pass of the event
// loop, and a drawer falls due after the screenshot: either way the
// screenshot waits for the drawer, and shows it opened and settled as the
// screen does then.
TEST(GustrelApp, ScreenshotDueWithTheDrawerWaitsForItToOpen)
{
    ASSERT_TRUE(AppTest::startToolkit());
    for (const int drawerDelayMs : {0, 1500}) {
        WindFarmWindow window;
        window.resize(1280, 720);
        window.show();
        QTemporaryDir dir;
        GustrelOptions options;
        options.drawer = true;
        options.screenshotPath = dir.filePath("drawer.png");
        armGustrelActions(window, options, drawerDelayMs, 0);
        // The screenshot ends the loop; a minute bounds a screenshot never taken.
        QTimer::singleShot(60000, &window, []() { QCoreApplication::exit(-1); });
        ASSERT_EQ(QCoreApplication::exec(), 0);
        EXPECT_TRUE(window.isDetailExpanded() && window.drawersAtRest()) << drawerDelayMs;
        const QImage image(options.screenshotPath);
        ASSERT_EQ(image.size(), QSize(1280, 720));
        EXPECT_GT(faultBadgePixels(image), 1000) << drawerDelayMs;
        EXPECT_EQ(faultBadgePixels(image), faultBadgePixels(TestUtil::screenShot(&window))) << drawerDelayMs;
    }
}

// A window closed before its screenshot: nothing written, exit code 2.
TEST(GustrelApp, WindowClosedBeforeTheScreenshotExitsWithTwo)
{
    ASSERT_TRUE(AppTest::startToolkit());
    WindFarmWindow window;
    window.show();
    QTemporaryDir dir;
    GustrelOptions options;
    options.screenshotPath = dir.filePath("never.png");
    const std::shared_ptr<const int> shot = armGustrelActions(window, options, 0, 50);
    QTimer::singleShot(0, &window, [&window]() { window.close(); });
    // The loop runs on to the screenshot, which finds the window closed.
    const bool quits = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    StderrCapture errors;
    EXPECT_EQ(gustrelExitCode(QCoreApplication::exec(), shot, options.screenshotPath), kGustrelExitScreenshotFailed);
    QGuiApplication::setQuitOnLastWindowClosed(quits);
    EXPECT_FALSE(QFileInfo::exists(options.screenshotPath));
    // Each way a screenshot fails says why: here the window closed; a loop ended before the shot.
    EXPECT_TRUE(errors.text().contains("never.png: the window was closed before the screenshot"))
        << errors.text().data();
    StderrCapture ended;
    EXPECT_EQ(gustrelExitCode(0, shot, options.screenshotPath), kGustrelExitScreenshotFailed);
    EXPECT_TRUE(ended.text().contains("never.png: the program ended before the screenshot")) << ended.text().data();
}

TEST_F(GustrelProgram, MissingThemeExitsWithOne)
{
    // A copy of the program with no theme folder beside it.
    QTemporaryDir dir;
    const QString copy = dir.filePath("gustrel");
    ASSERT_TRUE(QFile::copy(exe, copy));
    QFile::setPermissions(copy, QFile::permissions(exe));
    const QString shot = dir.filePath("never.png");
    const ProcessRun run = runGustrelProcess(copy, {"--screenshot", shot});
    ASSERT_TRUE(run.finished) << "an unattended run must not wait for a message box";
    EXPECT_EQ(run.exitCode, kGustrelExitThemeMissing);
    EXPECT_TRUE(run.errors.contains("Unable to load the Gustrel theme from:"));
    // The toolkit's reason comes with it.
    EXPECT_TRUE(run.errors.contains("cannot be read")) << run.errors.constData();
    EXPECT_FALSE(QFileInfo::exists(shot));
}

// Every theme folder that cannot give the dashboard its look fails the start, saying why.
TEST(GustrelApp, EveryUnusableThemeFails)
{
    QFile styleFile(AppTest::themeDir() + "/style.json"), themeFile(AppTest::themeDir() + "/theme.json");
    const QByteArray style = styleFile.open(QIODevice::ReadOnly) ? styleFile.readAll() : QByteArray();
    const QByteArray theme = themeFile.open(QIODevice::ReadOnly) ? themeFile.readAll() : QByteArray();
    const struct
    {
        QByteArray style, theme; // null: no such file
        const char* reason;
    } cases[] = {
        {QByteArray(), QByteArray(), "has no usable style.json"},
        {style, QByteArray(), "theme.json is missing"},
        {style, theme.left(theme.size() / 2), "theme.json does not parse"},
        {style, "{}", "theme.json holds no theme entries"},
        {"{ bad", theme, "style.json does not parse"},
        {R"({"style": []})", theme, "style.json defines no styles"},
        {style, QByteArray(theme).replace("\"Wind", "\"Other"), "has no entry \"WindWindow\""},
        {style, QByteArray(theme).replace("\"wf.", "\"xx."), "\"xx.window\" is not in style.json"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString folder = dir.filePath(QString::number(&c - cases));
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(c.style.isNull() || TestUtil::writeFile(folder, "style.json", c.style));
        ASSERT_TRUE(c.theme.isNull() || TestUtil::writeFile(folder, "theme.json", c.theme));
        TestUtil::LogCapture log;
        EXPECT_FALSE(startGustrelToolkit(folder)) << c.reason;
        EXPECT_TRUE(log.messages().join('\n').contains(c.reason)) << log.messages().join('\n').toStdString();
    }
    EXPECT_TRUE(startGustrelToolkit(AppTest::themeDir()));
}

TEST_F(GustrelProgram, UnwritableScreenshotExitsWithTwo)
{
    QTemporaryDir dir;
    // A folder cannot be made below a plain file.
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ProcessRun run = runGustrelProcess(exe, {"--screenshot", dir.filePath("file/sub/shot.png")});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, kGustrelExitScreenshotFailed);
    EXPECT_TRUE(run.errors.contains("cannot save the screenshot")) << run.errors.constData();
    EXPECT_TRUE(run.errors.contains("file/sub cannot be created")) << run.errors.constData();
}

TEST(GustrelApp, ScreenshotRoutineCodes)
{
    QWidget widget;
    widget.resize(200, 120);
    QTemporaryDir dir;
    StderrCapture errors;
    EXPECT_EQ(saveWindowScreenshot(nullptr, dir.filePath("a.png")), kGustrelExitScreenshotFailed);
    EXPECT_EQ(saveWindowScreenshot(&widget, QString()), kGustrelExitScreenshotFailed);
    EXPECT_EQ(errors.text().count("no window or no file name"), 2) << errors.text().data();
    // Never shown: nothing on the screen, so the widget renders itself.
    const QString path = dir.filePath("deep/er/a.png");
    EXPECT_EQ(saveWindowScreenshot(&widget, path), 0);
    EXPECT_EQ(QImage(path).size(), QSize(200, 120));
}
