// The readers say why they refuse input, each in its own category.

#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"
#include "CVNQStateStyles.h"
#include "LanguageManager.h"
#include "TestUtil.h"

#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <json/json.h>

using namespace CVNQtLib;

namespace {

QList<QPair<QString, QString>> g_logged; // category, message

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && context.category)
        g_logged.append({QString::fromLatin1(context.category), message});
}

QString loggedIn(const char* category)
{
    QStringList texts;
    for (const auto& entry : g_logged)
        if (entry.first == QLatin1String(category))
            texts << entry.second;
    return texts.join('\n');
}

} // namespace

TEST(LoggingTest, EachReaderSaysWhyInItsCategory)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "page.json", "{\"elements\": [\n  {\"type\": }\n]}"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/style.json", "{\"style\": [1,,]}"));

    g_logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    QWidget host;
    EXPECT_EQ(cvnCreatePageByFileName(&host, dir.filePath("page.json")), nullptr);
    EXPECT_EQ(createControl("t_no_such_type", Json::Value(), nullptr), nullptr);
    EXPECT_FALSE(CVNQResourceManager::getInstance()->loadThemeDir(dir.filePath("theme")));
    EXPECT_FALSE(LanguageManager::instance()->loadFromJson("{\"defaultLanguage\": "));
    qInstallMessageHandler(previous);

    // The parser's message carries the position of the fault.
    EXPECT_TRUE(loggedIn("corvane.page").contains("Line 2, Column 12")) << loggedIn("corvane.page").toStdString();
    EXPECT_TRUE(loggedIn("corvane.factory").contains("t_no_such_type"));
    EXPECT_TRUE(loggedIn("corvane.style").contains("Line 1, Column 14")) << loggedIn("corvane.style").toStdString();
    EXPECT_TRUE(loggedIn("corvane.theme").contains("style.json"));
    EXPECT_TRUE(loggedIn("corvane.language").contains("offset"));
}

TEST(LoggingTest, AnUnknownStyleNameIsReportedOnceNotAtEveryLookup)
{
    g_logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    FillStyle fill;
    TextStyleDesc text;
    for (int i = 0; i < 3; ++i) {
        cvnLookupStyle("logMissingA", fill);
        cvnLookupStyle("logMissingB", fill);
        cvnLookupStyle("logMissingA", text);
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(g_logged.size(), 3) << loggedIn("corvane.style").toStdString();
}
