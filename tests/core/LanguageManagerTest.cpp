#include "CVNQtLib.h"
#include "LanguageManager.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

using namespace CVNQtLib;

namespace {

// Records every languageChanged while alive.
struct ChangeLog
{
    explicit ChangeLog(LanguageManager* lm)
    {
        connection = QObject::connect(lm, &LanguageManager::languageChanged,
                                      [this](const QString& language) { changes << language; });
    }
    ~ChangeLog() { QObject::disconnect(connection); }
    QStringList changes;
    QMetaObject::Connection connection;
};

class LanguageManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        log = std::make_unique<TestUtil::LogCapture>();
        lm = LanguageManager::instance();
        QString error;
        ASSERT_TRUE(lm->loadFromJson(R"({"defaultLanguage": "en",
            "languages": {"en": {"a": "A", "only_en": "English only", "empty": ""},
                          "zh": {"a": "甲", "b": "乙"}}})",
                                     &error))
            << error.toStdString();
        lm->setLanguage("en");
        log->take();
    }
    void TearDown() override { log.reset(); }
    QStringList warnings() const { return log->messages(); }

    LanguageManager* lm = nullptr;
    std::unique_ptr<TestUtil::LogCapture> log;
};

} // namespace

TEST_F(LanguageManagerTest, MissingKeyWarnsOncePerLanguageAndKey)
{
    EXPECT_EQ(lm->currentLanguage(), "en");
    EXPECT_EQ(lm->text("b"), "b");
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_EQ(warnings().value(0), "Missing translation key \"b\" for language \"en\"");
    EXPECT_EQ(lm->text("b"), "b");
    EXPECT_EQ(warnings().size(), 1);
    EXPECT_EQ(lm->text("c"), "c");
    EXPECT_EQ(warnings().size(), 2);

    // Switching clears what was warned about.
    ASSERT_TRUE(lm->setLanguage("zh"));
    EXPECT_EQ(lm->text("b"), QString::fromUtf8("乙"));
    ASSERT_TRUE(lm->setLanguage("en"));
    lm->text("b");
    EXPECT_EQ(warnings().size(), 3);

    // A fallback answers instead, without a warning, even an empty one.
    EXPECT_EQ(lm->text("missing", QLatin1String("")), "");
    EXPECT_FALSE(lm->text("missing", QLatin1String("")).isNull());
    EXPECT_EQ(lm->text("missing", "Fallback"), "Fallback");
    EXPECT_EQ(warnings().size(), 3);
    // An empty translation is a translation.
    EXPECT_EQ(lm->text("empty", "Fallback"), "");
}

TEST_F(LanguageManagerTest, DefaultLanguageFillsGapsOfTheCurrentOne)
{
    ASSERT_TRUE(lm->setLanguage("zh"));
    EXPECT_EQ(lm->text("only_en"), "English only");
    EXPECT_TRUE(lm->contains("only_en"));
    EXPECT_FALSE(lm->contains("only_en", "zh"));
    EXPECT_TRUE(lm->contains("b"));
    EXPECT_FALSE(lm->contains("b", "en"));
    EXPECT_FALSE(lm->contains("a", "fr"));
    EXPECT_EQ(lm->defaultLanguage(), "en");
    EXPECT_TRUE(warnings().isEmpty());

    ASSERT_TRUE(lm->loadFromJson(R"({"defaultLanguage": "zh",
        "languages": {"zh": {"k": "1"}, "Fr": {"k": "2"}, "en": {"k": "3"}, "de": {"k": "4"}}})"));
    EXPECT_EQ(lm->languages(), QStringList({"de", "en", "Fr", "zh"}));
}

TEST_F(LanguageManagerTest, SwitchingAndReloadingEmitTheRightSignals)
{
    ChangeLog log(lm);
    EXPECT_TRUE(lm->setLanguage("en")); // already current
    EXPECT_FALSE(lm->setLanguage("fr"));
    EXPECT_EQ(lm->currentLanguage(), "en");
    EXPECT_TRUE(lm->setLanguage("zh"));
    EXPECT_EQ(log.changes, QStringList({"zh"}));

    // A reload that keeps zh stays on it and still announces it once; one
    // without zh falls back to its default language.
    ASSERT_TRUE(lm->loadFromJson(R"({"defaultLanguage": "en", "languages": {"en": {"a": "A"}, "zh": {"a": "B"}}})"));
    ASSERT_TRUE(lm->loadFromJson(R"({"defaultLanguage": "de", "languages": {"de": {"a": "D"}}})"));
    EXPECT_EQ(log.changes, QStringList({"zh", "zh", "de"}));
    EXPECT_EQ(lm->currentLanguage(), "de");
    EXPECT_EQ(lm->text("a"), "D");
}

TEST_F(LanguageManagerTest, BadFilesAreRejectedAndChangeNothing)
{
    ChangeLog log(lm);
    const struct
    {
        const char* json;
        const char* message; // exact, or the start of it when ending in "%"
    } cases[] = {
        {R"({"defaultLanguage": "en", "languages": {"en": {"a": "A"}, "zh": {}}})",
         "Language 'zh' must contain at least one translation."},
        {R"({"defaultLanguage": "en", "languages": {"en": {"a": "A"}, "zh": ["x"]}})",
         "Language 'zh' must contain at least one translation."},
        {R"({"defaultLanguage": "en", "languages": {"en": {"a": 5}}})",
         "Translation 'a' in language 'en' must be a string."},
        {R"({"defaultLanguage": "en", "languages": {"en": {"a": null}}})",
         "Translation 'a' in language 'en' must be a string."},
        {R"({"defaultLanguage": "fr", "languages": {"en": {"a": "A"}}})",
         "Default language 'fr' does not exist in languages."},
        {R"({"defaultLanguage": "fr", "languages": {}})", "Default language 'fr' does not exist in languages."},
        {R"({"defaultLanguage": 7, "languages": {"en": {"a": "A"}}})",
         "Language JSON requires defaultLanguage and a languages object."},
        {R"({"defaultLanguage": "en", "languages": [{"en": {"a": "A"}}]})",
         "Language JSON requires defaultLanguage and a languages object."},
        {R"({"defaultLanguage": "", "languages": {"en": {"a": "A"}}})",
         "Language JSON requires defaultLanguage and a languages object."},
        {R"(["not", "an", "object"])", "Invalid language JSON: %"},
        {R"({"defaultLanguage": "en", "languages": {"en": {"a": "A"})", "Invalid language JSON: %"},
        {"", "Invalid language JSON: %"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(lm->loadFromJson(c.json, &error)) << c.json;
        EXPECT_FALSE(lm->loadFromJson(c.json, nullptr));
        const QString expected = QString::fromUtf8(c.message);
        if (expected.endsWith('%'))
            EXPECT_TRUE(error.startsWith(expected.chopped(1)) && error.size() > expected.size()) << error.toStdString();
        else
            EXPECT_EQ(error, expected) << c.json;
    }
    EXPECT_TRUE(log.changes.isEmpty());
    EXPECT_EQ(lm->currentLanguage(), "en");
    EXPECT_EQ(lm->text("a"), "A");
    EXPECT_TRUE(lm->setLanguage("zh"));
}

TEST_F(LanguageManagerTest, LoadsRealFiles)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/lang.json";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QString::fromUtf8(R"({"defaultLanguage": "zh",
            "languages": {"zh": {"title": "风电场"}, "en": {"title": "Wind farm"}}})")
                    .toUtf8());
    }
    // Through the library's entry points, as an application uses them.
    ASSERT_EQ(cvnGetLanguageManager(), lm);
    QString error;
    ASSERT_TRUE(cvnLoadLanguageFile(path, &error)) << error.toStdString();
    EXPECT_EQ(cvnGetLanguage(), "en"); // still in the new set
    EXPECT_EQ(lm->defaultLanguage(), "zh");
    EXPECT_EQ(cvnText("title", "fallback"), "Wind farm");
    EXPECT_EQ(cvnText("nowhere", "fallback"), "fallback");
    EXPECT_FALSE(cvnSetLanguage("fr"));
    ASSERT_TRUE(cvnSetLanguage("zh"));
    EXPECT_EQ(cvnText("title"), QString::fromUtf8("风电场"));

    const QString missing = dir.path() + "/missing.json";
    EXPECT_FALSE(cvnLoadLanguageFile(missing, &error));
    EXPECT_TRUE(error.startsWith("Unable to open language file '" + missing + "': ")) << error.toStdString();
    EXPECT_GT(error.size(), missing.size() + 33);
    EXPECT_FALSE(lm->loadFromFile(missing, nullptr));
    EXPECT_EQ(cvnGetLanguage(), "zh");
}
