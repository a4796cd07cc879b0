// The ribbon configuration: reading a realistic configuration, writing it
// back and reading the text again, the five refusals with their sources, the
// schemaVersion rules and the defaults of items.

#include "CVNJson.h"
#include "CVNQComboBox.h"
#include "CVNQProgressBar.h"
#include "CVNQRibbonContextGroup.h"
#include "CVNQRibbonGallery.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonPage.h"
#include "RibbonTestUtil.h"

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

using namespace CVNQtLib;
using namespace ControlsTest;

namespace {

class RibbonConfigTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { startToolkit(); }

    static Json::Value parsed(const QString& text)
    {
        Json::Value v;
        EXPECT_TRUE(jsonParse(text.toUtf8(), v));
        return v;
    }
};

} // namespace

TEST_F(RibbonConfigTest, RealisticConfigurationReadsWritesAndReadsBackTheSame)
{
    // Every key the reader takes (found in its source), each with a value other than its default.
    Json::Value input = parsed(RibbonTest::realisticConfig());
    input["layoutMode"] = "compact";
    input["minimized"] = true;
    input["application"]["text"] = "Start";
    input["application"]["menu"][3]["tooltip"] = "Last files";
    input["quickAccess"][0]["checked"] = true;
    input["quickAccess"][1]["enabled"] = false;
    input["pages"][0]["groups"][2]["items"][0]["columns"] = 4;
    input["pages"][0]["groups"][2]["items"][0]["rows"] = 3;
    QFile reader(TestUtil::sourcePath("toolkit/ribbon/CVNQRibbonConfigReader.cpp"));
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    const QString inputText = QString::fromStdString(jsonStyled(input));
    const QRegularExpression keyRead(R"re((?:cfgBool|cfgInt|cfgString|jsonGet|jsonHasMember)\(\w+, "(\w+)")re");
    int keys = 0;
    for (auto m = keyRead.globalMatch(QString::fromUtf8(reader.readAll())); m.hasNext(); ++keys) {
        const QString key = m.next().captured(1);
        EXPECT_TRUE(inputText.contains('"' + key + "\" :")) << key.toStdString();
    }
    EXPECT_GT(keys, 30);

    CVNQRibbonBar bar;
    TestUtil::LogCapture log("corvane.ribbon");
    const bool loaded = bar.loadConfigJson(inputText);
    const QStringList ribbonWarnings = log.take();
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(bar.lastError().isEmpty());
    // Nothing of it is skipped.
    EXPECT_TRUE(ribbonWarnings.isEmpty()) << ribbonWarnings.join('\n').toStdString();

    // Five pages, the hidden context group's page without a tab.
    EXPECT_EQ(bar.pageCount(), 5);
    EXPECT_NE(RibbonTest::tab(bar, "design"), nullptr);
    EXPECT_EQ(RibbonTest::tab(bar, "tableDesign"), nullptr);
    EXPECT_EQ(RibbonTest::tab(bar, "design")->property("cvnRibbonContextColor").value<QColor>(), QColor("#e67e22"));
    EXPECT_EQ(bar.currentPageWidget()->pageId(), "home");
    CVNQRibbonPage* home = bar.pageById("home");
    ASSERT_EQ(home->groupCount(), 4);
    EXPECT_EQ(home->groupAt(1)->itemCount(), 6);
    EXPECT_TRUE(home->groupById("styles")->isExpanding());
    EXPECT_EQ(home->findChild<CVNQRibbonGallery*>()->count(), 7);
    EXPECT_EQ(home->findChild<CVNQComboBox*>("period")->currentIndex(), 1);
    EXPECT_FALSE(home->findChild<CVNQProgressBar*>("load")->getShowText());
    EXPECT_FALSE(bar.applicationButton()->isHidden());
    EXPECT_NE(bar.findAction("pasteText"), nullptr);
    EXPECT_EQ(bar.findAction("recent"), nullptr); // a submenu's own item is no command

    // Written while the bar was never shown: the application stays.
    const QString written = bar.configJson();
    const Json::Value root = parsed(written);
    // Every key read comes back with its value; colours as #AARRGGBB.
    EXPECT_TRUE(TestUtil::keepsEveryKey(input, root, {"color"}));
    ASSERT_TRUE(root["application"].isObject());
    const Json::Value& recent = root["application"]["menu"][3];
    EXPECT_EQ(recent["id"].asString(), "recent");
    EXPECT_FALSE(recent["enabled"].asBool());
    EXPECT_EQ(QString::fromStdString(recent["icon"].asString()), RibbonTest::iconDir() + "calendar.svg");
    EXPECT_EQ(recent["items"][0]["id"].asString(), "r1");
    EXPECT_EQ(root["contextGroups"][0]["color"].asString(), "#ffe67e22");
    EXPECT_FALSE(root["topRight"][1].isMember("width")); // none configured
    const Json::Value& view = root["pages"][0]["groups"][3]["items"];
    EXPECT_EQ(view[3]["control"].asString(), "progressBar");
    EXPECT_FALSE(view[3]["showText"].asBool());
    EXPECT_EQ(view[3]["size"].asString(), "medium");

    // Reading the written text gives the same ribbon, written the same.
    CVNQRibbonBar again;
    ASSERT_TRUE(again.loadConfigJson(written));
    EXPECT_EQ(again.configJson(), written);
    EXPECT_TRUE(again.findAction("save")->isChecked());
}

TEST_F(RibbonConfigTest, RefusalsKeepContentAndReportMessageAndSource)
{
    CVNQRibbonBar bar;
    RibbonTest::Recorder failed(&bar, &CVNQRibbonBar::configLoadFailed);
    QTemporaryDir dir;
    const QString good = dir.filePath("good.json");
    const QString broken = dir.filePath("broken.json");
    const QString notObject = dir.filePath("array.json");
    TestUtil::writeFile(dir.path(), "good.json", RibbonTest::realisticConfig().toUtf8());
    TestUtil::writeFile(dir.path(), "broken.json", "{\"schemaVersion\": 1,");
    TestUtil::writeFile(dir.path(), "array.json", "[1]");
    TestUtil::writeFile(dir.path(), "v2.json", "{\"schemaVersion\": 2, \"pages\": []}");
    const QList<QObject*> ownParts = bar.findChildren<QObject*>();
    ASSERT_TRUE(bar.loadConfigFile(good));
    EXPECT_EQ(bar.configFile(), good);

    auto expectRefused = [&](bool ok, const QString& source, const QString& messageStart) {
        EXPECT_FALSE(ok);
        ASSERT_EQ(failed.size(), 1);
        EXPECT_EQ(failed.at(0).at(0).toString(), source);
        EXPECT_TRUE(failed.at(0).at(1).toString().startsWith(messageStart))
            << failed.at(0).at(1).toString().toStdString();
        EXPECT_EQ(failed.at(0).at(1).toString(), bar.lastError());
        failed.clear();
        // Previous content and its file name stay.
        EXPECT_EQ(bar.pageCount(), 5);
        EXPECT_EQ(bar.configFile(), good);
    };
    const QString missing = dir.filePath("missing.json");
    expectRefused(bar.loadConfigFile(missing), missing, "Ribbon config file was not found: " + missing);
    expectRefused(bar.loadConfigFile(broken), broken, "Invalid Ribbon JSON in " + broken + ": ");
    expectRefused(bar.loadConfigJson("{oops"), "inline", "Invalid Ribbon JSON: ");
    expectRefused(bar.loadConfigFile(notObject), notObject, "Ribbon config root must be an object.");
    expectRefused(bar.loadConfigFile(dir.filePath("v2.json")), dir.filePath("v2.json"),
                  "Unsupported Ribbon schemaVersion; expected 1.");
    for (const char* version : {"\"1\"", "2", "null", "1.5"})
        expectRefused(bar.loadConfigJson(QString("{\"schemaVersion\": %1}").arg(version)), "inline",
                      "Unsupported Ribbon schemaVersion; expected 1.");
    expectRefused(bar.loadConfigJson("{}"), "inline", "Unsupported Ribbon schemaVersion; expected 1.");

    // 1.0 is version 1; the bare document empties the bar.
    EXPECT_TRUE(bar.loadConfigJson("{\"schemaVersion\": 1.0}"));
    EXPECT_EQ(bar.pageCount(), 0);
    EXPECT_EQ(bar.currentPage(), -1);
    EXPECT_TRUE(bar.applicationButton()->isHidden());
    EXPECT_FALSE(bar.isMinimized());
    EXPECT_TRUE(bar.lastError().isEmpty());
    EXPECT_EQ(bar.configFile(), good); // inline text names no file
    EXPECT_EQ(parsed(bar.configJson()),
              TestUtil::json(R"({"contextGroups": [], "layoutMode": "office", "minimized": false, "pages": [],
                                 "quickAccess": [], "schemaVersion": 1, "topRight": []})"));
    // Every object the content made (pages, context groups, quick buttons,
    // top-right widgets, commands, the application menu) is released with it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    for (QObject* o : bar.findChildren<QObject*>())
        if (!ownParts.contains(o))
            left << QString::fromLatin1(o->metaObject()->className()) + ' ' + o->objectName();
    EXPECT_TRUE(left.isEmpty()) << left.join(", ").toStdString();
}

TEST_F(RibbonConfigTest, ItemDefaultsAndWronglyTypedElements)
{
    CVNQRibbonBar bar;
    ASSERT_TRUE(bar.loadConfigJson(R"({"schemaVersion": 1, "layoutMode": "COMPACT",
      "quickAccess": ["save", {"id": "q"}],
      "pages": ["bad", {"id": "p", "groups": [7, {"id": "g", "items": [
        {"type": "button", "id": "save"},
        {"id": "withMenu", "menu": []},
        {"text": "anonymous"},
        {},
        "not an item",
        {"type": "widget", "control": "slider", "id": "s"},
        {"type": "widget", "control": "comboBox", "id": "c", "items": ["a", {"x": 1}, 3, [1], true]},
        {"type": "gallery", "columns": 0, "rows": -4},
        {"id": "m", "menu": [1, {"separator": true}, {"id": "leaf"}, {"separator": 1, "id": "notSep"}]}]}]}],
      "contextGroups": [{"id": "ctx", "pages": [{"id": "cp"}]}]})"));
    EXPECT_EQ(bar.layoutMode(), CVN_RIBBON_LAYOUT_COMPACT);
    ASSERT_EQ(bar.pageCount(), 2);
    CVNQRibbonGroup* group = bar.pageById("p")->groupById("g");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->itemCount(), 7); // the string and the slider are skipped

    const QList<CVNQRibbonButton*> buttons =
        group->findChildren<CVNQRibbonButton*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_GE(buttons.size(), 5);
    EXPECT_EQ(buttons[0]->text(), "save");
    EXPECT_EQ(buttons[0]->itemSize(), CVN_RIBBON_ITEM_LARGE);
    EXPECT_EQ(buttons[0]->popupMode(), CVN_RIBBON_POPUP_NONE);
    EXPECT_EQ(buttons[1]->popupMode(), CVN_RIBBON_POPUP_INSTANT);
    ASSERT_NE(buttons[1]->popupMenu(), nullptr);
    EXPECT_TRUE(buttons[1]->popupMenu()->actions().isEmpty());
    EXPECT_EQ(buttons[2]->text(), "anonymous");
    EXPECT_EQ(buttons[3]->text(), "Command");
    const QList<QAction*> menu = buttons[4]->popupMenu()->actions();
    ASSERT_EQ(menu.size(), 3);
    EXPECT_TRUE(menu[0]->isSeparator());
    EXPECT_EQ(menu[2]->objectName(), "notSep");

    CVNQComboBox* combo = group->findChild<CVNQComboBox*>("c");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(1), "3");
    EXPECT_EQ(combo->itemText(2), "true");
    CVNQRibbonGallery* gallery = group->findChild<CVNQRibbonGallery*>();
    EXPECT_EQ(gallery->columnCount(), 1);
    EXPECT_EQ(gallery->visibleRowCount(), 1);

    EXPECT_EQ(RibbonTest::tab(bar, "cp"), nullptr); // a group without "visible" stays hidden
    EXPECT_FALSE(bar.setCurrentPage("cp"));
    bar.showContextGroup("ctx");
    EXPECT_TRUE(bar.setCurrentPage("cp"));

    // The words of the other enumerations are words of no meaning here.
    for (const char* word : {"large", "medium", "small", "none", "instant", "split"}) {
        ASSERT_TRUE(bar.loadConfigJson(QString(R"({"schemaVersion": 1, "layoutMode": "%1"})").arg(word)));
        EXPECT_EQ(bar.layoutMode(), CVN_RIBBON_LAYOUT_OFFICE) << word;
    }
    ASSERT_TRUE(bar.loadConfigJson(R"({"schemaVersion": 1, "pages": [{"id": "p", "groups": [{"id": "g", "items": [
        {"size": "office", "popup": "large"}, {"size": "compact", "popup": "medium"}, {"size": "none", "popup": "small"},
        {"size": "instant", "popup": "office"}, {"size": "split", "popup": "compact"}]}]}],
        "topRight": [{"control": "label", "id": "no", "width": 0}, {"control": "label", "id": "max", "width": 16777215}]})"));
    for (CVNQRibbonButton* button : bar.pageAt(0)->groupAt(0)->findChildren<CVNQRibbonButton*>()) {
        EXPECT_EQ(button->itemSize(), CVN_RIBBON_ITEM_LARGE);
        EXPECT_EQ(button->popupMode(), CVN_RIBBON_POPUP_NONE);
    }
    // A minimum width is written only when it is one.
    const Json::Value topRight = parsed(bar.configJson())["topRight"];
    EXPECT_FALSE(topRight[0].isMember("width"));
    EXPECT_FALSE(topRight[1].isMember("width"));
}
