// The readers say why they refuse input, each in its own category.

#include "CVNJson.h"
#include "CVNQControl.h"
#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"
#include "CVNQStateStyles.h"
#include "CVNQWidgetBaseImpl.h"
#include "LanguageManager.h"
#include "TestUtil.h"

#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <json/json.h>

using namespace CVNQtLib;

namespace logging_test {

// A control that reads one number of its own, so the key it reads is no
// other test's.
class LogProbeImpl : public CVNQWidgetBaseImpl
{
public:
    using CVNQWidgetBaseImpl::CVNQWidgetBaseImpl;
    bool serializeJsonValue(Json::Value** node, bool read) override
    {
        const bool done = CVNQWidgetBaseImpl::serializeJsonValue(node, read);
        int count = 0;
        if (read)
            jsonRead(**node, "logProbeCount", count);
        return done;
    }
};

class LogProbe : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(LogProbe, LogProbeImpl)
public:
    explicit LogProbe(QWidget* parent = nullptr)
        : QWidget(parent)
    {
        m_impl.reset(new LogProbeImpl(this, typeName()));
        m_impl->applyTheme();
    }
};

CVNQ_IMPLEMENT_CONTROL(LogProbe, LogProbeImpl, "t_logprobe")

} // namespace logging_test

namespace {

QString loggedIn(const TestUtil::LogCapture& log, const char* category)
{
    return log.messages(category).join('\n');
}

int countIn(const TestUtil::LogCapture& log, const char* category, const char* name)
{
    return int(log.messages(category).filter(QLatin1String(name)).size());
}

// True when one message of category names the input and, after it, the reason.
bool namesInputThenReason(const TestUtil::LogCapture& log, const char* category, const QString& input,
                          const QString& reason)
{
    for (const QString& m : log.messages(category)) {
        const int at = m.indexOf(input);
        if (at >= 0 && m.indexOf(reason, at + input.size()) > at)
            return true;
    }
    return false;
}

} // namespace

TEST(LoggingTest, EachReaderSaysWhyInItsCategory)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "page.json", "{\"elements\": [\n  {\"type\": }\n]}"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/style.json", "{\"style\": [1,,]}"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "menu.json", "{\"menu\": ["));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "cut.zip", QByteArray("PK\x03\x04", 4) + " cut short"));
    const QByteArray noArchive(40, 'x');

    TestUtil::LogCapture log;
    QWidget host;
    EXPECT_EQ(cvnCreatePageByFileName(&host, dir.filePath("page.json")), nullptr);
    EXPECT_EQ(createControl("t_no_such_type", Json::Value(), nullptr), nullptr);
    EXPECT_FALSE(CVNQResourceManager::getInstance()->loadThemeDir(dir.filePath("theme")));
    EXPECT_FALSE(LanguageManager::instance()->loadFromJson("{\"defaultLanguage\": "));
    EXPECT_EQ(cvnCreateMenuByFileName(&host, dir.filePath("menu.json")), nullptr);
    EXPECT_FALSE(CVNQResourceManager::getInstance()->loadThemeFile(dir.filePath("cut.zip")));
    EXPECT_FALSE(CVNQResourceManager::getInstance()->loadSkinFile(noArchive.constData(), noArchive.size()));

    // The parser's message carries the position of the fault.
    EXPECT_TRUE(loggedIn(log, "corvane.page").contains("Line 2, Column 12"))
        << loggedIn(log, "corvane.page").toStdString();
    EXPECT_TRUE(loggedIn(log, "corvane.factory").contains("t_no_such_type"));
    EXPECT_TRUE(loggedIn(log, "corvane.style").contains("Line 1, Column 14"))
        << loggedIn(log, "corvane.style").toStdString();
    EXPECT_TRUE(loggedIn(log, "corvane.theme").contains("style.json"));
    EXPECT_TRUE(loggedIn(log, "corvane.language").contains("offset"));

    // Each refusal names its input first and then why, in its own category.
    const QString all = loggedIn(log, nullptr);
    EXPECT_TRUE(namesInputThenReason(log, "corvane.page", "page.json", "does not parse")) << all.toStdString();
    EXPECT_TRUE(namesInputThenReason(log, "corvane.page", "menu.json", "does not parse")) << all.toStdString();
    EXPECT_TRUE(namesInputThenReason(log, "corvane.style", "style.json", "does not parse")) << all.toStdString();
    EXPECT_TRUE(namesInputThenReason(log, "corvane.zip", "cut.zip", "not a ZIP archive")) << all.toStdString();
    EXPECT_TRUE(namesInputThenReason(log, "corvane.theme", "cut.zip", "cannot be read")) << all.toStdString();
    EXPECT_TRUE(namesInputThenReason(log, "corvane.zip", "in memory (40 bytes)", "not a ZIP archive"))
        << all.toStdString();
}

TEST(LoggingTest, AnUnknownStyleNameIsReportedOnceNotAtEveryLookup)
{
    TestUtil::LogCapture log;
    FillStyle fill;
    TextStyleDesc text;
    for (int i = 0; i < 3; ++i) {
        cvnLookupStyle("logMissingA", fill);
        cvnLookupStyle("logMissingB", fill);
        cvnLookupStyle("logMissingA", text);
    }
    EXPECT_EQ(log.messages().size(), 3) << loggedIn(log, "corvane.style").toStdString();
}

TEST(LoggingTest, EachMissIsReportedOnceUnderItsCategory)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "style.json", R"({"style": []})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme.json", R"({"elements": [{"child": [{"name": "logEntry"}]}]})"));
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    ASSERT_TRUE(rm->loadThemeDir(dir.path()));

    TestUtil::LogCapture log;
    logging_test::LogProbe probe;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rm->getImage("logMissingImage.png"), nullptr);
        EXPECT_EQ(rm->getSvgRenderer("logMissingDrawing.svg"), nullptr);
        Json::Value node = TestUtil::json(R"({"theme": "logMissingEntry", "logProbeCount": "three"})");
        probe.readJsonValue(&node);
        node = TestUtil::json(R"({"theme": "logEntry", "logProbeCount": 3})");
        probe.readJsonValue(&node);
        probe.setThemeName("logMissingEntry");
    }

    EXPECT_EQ(countIn(log, "corvane.theme", "logMissingImage.png"), 1) << loggedIn(log, "corvane.theme").toStdString();
    EXPECT_EQ(countIn(log, "corvane.theme", "logMissingDrawing.svg"), 1);
    EXPECT_EQ(countIn(log, "corvane.theme", "logMissingEntry"), 1);
    EXPECT_EQ(countIn(log, "corvane.factory", "logProbeCount"), 1) << loggedIn(log, "corvane.factory").toStdString();
    // An entry the theme has and a control's own type entry, which is
    // optional, are no misses.
    EXPECT_EQ(countIn(log, "corvane.theme", "logEntry"), 0);
    EXPECT_EQ(countIn(log, "corvane.theme", "t_logprobe"), 0);
}

#include "LoggingTest.moc"
