// The ribbon bar as a toolkit control: registry entry, property table, and
// its JSON node (style slots, heights, mode, configuration inline or by
// file) read, written and read again; a theme entry sets looks only.

#include "CVNJson.h"
#include "CVNQControlInfo.h"
#include "CVNQControlFactory.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonPage.h"
#include "RibbonTestUtil.h"

#include <QPointer>
#include <QTemporaryDir>

using namespace CVNQtLib;
using namespace ControlsTest;

namespace {

class RibbonControlTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        startToolkit();
        defineFill("rcBar", QColor(10, 20, 30));
        defineFill("rcTab", QColor(200, 210, 220));
        defineFill("rcTabHover", QColor(90, 100, 110));
        defineText("rcText", QColor(1, 2, 3));
    }

    static Json::Value read(CVNQRibbonBar& bar, const char* text)
    {
        Json::Value node = TestUtil::json(text);
        EXPECT_TRUE(bar.readJsonValue(&node));
        return node;
    }
};

} // namespace

TEST_F(RibbonControlTest, PageNodeBuildsARibbonWithItsPropertyTable)
{
    QWidget host;
    const Json::Value node = TestUtil::json(R"({"type": "qtribbonbar", "name": "ribbon", "x": 0, "y": 0, "w": 640,
        "h": 157, "style": [["rcBar", 1, 0]], "attr": {"ribbon": {"schemaVersion": 1, "currentPage": "b",
        "pages": [{"id": "a"}, {"id": "b", "groups": [{"id": "g", "items": [{"id": "go"}]}]}]}}})");
    auto* bar = dynamic_cast<CVNQRibbonBar*>(createControlTree(node, &host));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->objectName(), "ribbon");
    EXPECT_EQ(bar->getTypeName(), "qtribbonbar");
    resizeNow(bar, 640, 157);
    EXPECT_EQ(bar->currentPage(), 1);
    EXPECT_NE(bar->findAction("go"), nullptr);
    EXPECT_TRUE(near(render(bar).pixelColor(320, 80), QColor(255, 255, 255), 3)); // the page stack

    const ControlInfo info = CVNQRibbonBar::getProps();
    EXPECT_EQ(info.typeName, "qtribbonbar");
    EXPECT_EQ(info.shortName, "RibbonBar");
    EXPECT_EQ(info.key, "ribbonbar");
    ASSERT_EQ(info.properties.size(), 7u);
    EXPECT_EQ(info.properties[6].name, "Line");
    ASSERT_NE(cvnGetControlInfo("qtribbonbar"), nullptr);
}

TEST_F(RibbonControlTest, NodeReadsWritesAndReadsBackStylesHeightsAndContent)
{
    CVNQRibbonBar bar;
    const Json::Value input =
        read(bar, R"({"style": [["rcBar", 1, 0], ["rcTab", 1, 4], ["rcTab", 1, 3], ["rcText", 2, 15], ["nope", 1, 1]],
                  "attr": {"topRowHeight": "40", "tabRowHeight": 28, "pageHeight": 100, "groupRows": 5,
                           "layoutMode": "compact", "minimized": true, "configFile": "where.json",
                           "ribbon": {"schemaVersion": 1, "pages": [{"id": "a", "groups": [{"id": "g"}]}]}}})");
    EXPECT_EQ(bar.layoutMode(), CVN_RIBBON_LAYOUT_COMPACT);
    EXPECT_TRUE(bar.isMinimized());
    EXPECT_EQ(bar.sizeHint().height(), 30); // top 30 (the string is ignored) over tab 28
    EXPECT_EQ(bar.configFile(), "where.json");
    EXPECT_EQ(bar.pageCount(), 1);
    // The first slot of the tab states names all four; 15 is the command text.
    CVNQRibbonButton* tab = RibbonTest::tab(bar, "a");
    for (int state = 0; state < 4; ++state)
        EXPECT_EQ(tab->getBackground(state).name, "rcTab");
    EXPECT_EQ(bar.applicationButton()->getTextStyle(0).name, "rcText");

    Json::Value node(Json::objectValue);
    bar.serializeJsonValue(&node, false);
    EXPECT_EQ(node["style"], TestUtil::json(R"([["rcBar", 1, 0], ["rcTab", 1, 4], ["rcText", 2, 14]])"));
    const Json::Value& attr = node["attr"];
    // What was read comes back, but the ignored string, the clamped rows
    // and the content, which is written as the bar holds it.
    EXPECT_TRUE(TestUtil::keepsEveryKey(input["attr"], attr, {"topRowHeight", "groupRows", "ribbon"}));
    EXPECT_EQ(attr["layoutMode"].asString(), "compact");
    EXPECT_EQ(attr["groupRows"].asInt(), 2);
    EXPECT_EQ(attr["tabRowHeight"].asInt(), 28);
    EXPECT_EQ(attr["configFile"].asString(), "where.json");
    EXPECT_EQ(attr["ribbon"]["pages"][0]["groups"][0]["id"].asString(), "g");

    // A different hover look is written under its own slot and survives.
    read(bar, R"({"style": [["rcTabHover", 1, 5]]})");
    bar.serializeJsonValue(&node, false);
    CVNQRibbonBar again;
    again.setJsonData(QString::fromStdString(jsonStyled(node)));
    again.setJsonData("{\"attr\": {\"layoutMode\": \"office\"}}"); // a second text is only stored
    EXPECT_EQ(again.layoutMode(), CVN_RIBBON_LAYOUT_COMPACT);
    CVNQRibbonButton* againTab = RibbonTest::tab(again, "a");
    EXPECT_EQ(againTab->getBackground(0).name, "rcTab");
    EXPECT_EQ(againTab->getBackground(1).name, "rcTabHover");
    EXPECT_EQ(againTab->getBackground(3).name, "rcTab");
    EXPECT_EQ(again.configJson(), bar.configJson());

    // groupRows is kept in [2, 3]; the same mode keeps it, a change resets it.
    read(again, R"({"attr": {"groupRows": 3}})");
    read(again, R"({"attr": {"layoutMode": "compact"}})");
    Json::Value kept(Json::objectValue);
    again.serializeJsonValue(&kept, false);
    EXPECT_EQ(kept["attr"]["groupRows"].asInt(), 3);
    for (const auto& rows : {std::make_pair(5, 3), std::make_pair(1, 2)}) {
        read(again, QString(R"({"attr": {"groupRows": %1, "topRowHeight": 33}})").arg(rows.first).toUtf8().constData());
        again.serializeJsonValue(&kept, false);
        EXPECT_EQ(kept["attr"]["groupRows"].asInt(), rows.second);
        EXPECT_EQ(kept["attr"]["topRowHeight"].asInt(), 33);
    }
    // The written node, content included, reads back to the same rows.
    read(again, R"({"attr": {"groupRows": 3}})");
    again.serializeJsonValue(&kept, false);
    CVNQRibbonBar copy;
    copy.readJsonValue(&kept);
    EXPECT_EQ(TestUtil::written(&copy)["attr"], kept["attr"]);
}

TEST_F(RibbonControlTest, FileFallbackAndThemeEntriesSetLooksOnly)
{
    QTemporaryDir dir;
    TestUtil::writeFile(dir.path(), "r.json", R"({"schemaVersion": 1, "pages": [{"id": "f"}]})");
    TestUtil::writeFile(dir.path(), "bad.json", R"({"schemaVersion": 3})");
    const QString file = dir.filePath("r.json");
    CVNQRibbonBar bar;
    read(bar, QString(R"({"attr": {"configFile": "%1", "ribbon": 5}})").arg(file).toUtf8().constData());
    EXPECT_EQ(bar.pageById("f") != nullptr, true);
    EXPECT_EQ(bar.configFile(), file);
    read(bar, QString(R"({"attr": {"configFile": "%1"}})").arg(dir.filePath("bad.json")).toUtf8().constData());
    EXPECT_EQ(bar.configFile(), dir.filePath("bad.json")); // the node's reference is kept
    EXPECT_NE(bar.pageById("f"), nullptr);
    // A missing file and a refused inline content keep the reference too.
    read(bar, R"({"attr": {"configFile": "missing.json"}})");
    EXPECT_EQ(bar.configFile(), "missing.json");
    read(bar, R"({"attr": {"configFile": "kept.json", "ribbon": {"schemaVersion": 2}}})");
    Json::Value written(Json::objectValue);
    bar.serializeJsonValue(&written, false);
    EXPECT_EQ(written["attr"]["configFile"].asString(), "kept.json");
    EXPECT_NE(bar.pageById("f"), nullptr);

    // Gallery counts from a configuration stay widget sizes.
    ASSERT_TRUE(bar.loadConfigJson(R"({"schemaVersion": 1, "pages": [{"id": "p", "groups": [{"id": "g",
        "items": [{"type": "gallery", "columns": 2147483647, "rows": 2147483647, "items": [{"id": "x"}]}]}]}]})"));
    const QSize hint = bar.pageAt(0)->groupAt(0)->sizeHint();
    EXPECT_GT(hint.width(), 0);
    EXPECT_LE(hint.width(), QWIDGETSIZE_MAX + 12);

    // A slot of any signal the read emits may delete the bar.
    for (const char* text : {R"({"attr": {"configFile": "missing.json"}})", R"({"attr": {"layoutMode": "compact"}})",
                             R"({"attr": {"ribbon": {"schemaVersion": 1, "pages": [{"id": "p"}]}}})",
                             R"({"attr": {"minimized": true}})"}) {
        QPointer<CVNQRibbonBar> doomed = new CVNQRibbonBar;
        auto kill = [doomed] { delete doomed.data(); };
        QObject::connect(doomed, &CVNQRibbonBar::configLoadFailed, kill);
        QObject::connect(doomed, &CVNQRibbonBar::currentPageChanged, kill);
        QObject::connect(doomed, &CVNQRibbonBar::layoutModeChanged, kill);
        QObject::connect(doomed, &CVNQRibbonBar::minimizedChanged, kill);
        Json::Value node = TestUtil::json(text);
        doomed->readJsonValue(&node);
        EXPECT_TRUE(doomed.isNull()) << text;
    }

    QTemporaryDir theme;
    ASSERT_TRUE(loadTheme(theme,
                          R"([{"name": "rc_theme_probe", "style": [["rc_theme_bar", 1, 0], ["rc_theme_bar", 1, 1]],
        "attr": {"layoutMode": "compact", "tabRowHeight": 40, "configFile": "none.json", "minimized": true}}])",
                          R"([{"type": 1, "name": "rc_theme_bar", "drawImg": false, "clr": "FF112233"}])"));
    CVNQRibbonBar themed;
    RibbonTest::Recorder failed(&themed, &CVNQRibbonBar::configLoadFailed);
    themed.setThemeName("rc_theme_probe");
    EXPECT_EQ(themed.layoutMode(), CVN_RIBBON_LAYOUT_OFFICE);
    EXPECT_FALSE(themed.isMinimized());
    EXPECT_EQ(themed.sizeHint().height(), 30 + 40 + 96);
    EXPECT_TRUE(themed.configFile().isEmpty());
    EXPECT_EQ(failed.size(), 0);
    Json::Value node(Json::objectValue);
    themed.serializeJsonValue(&node, false);
    EXPECT_EQ(node["style"][0][0].asString(), "rc_theme_bar");
    // The style is the theme package's: the page on screen shows its colour.
    themed.resize(400, themed.sizeHint().height());
    ASSERT_TRUE(TestUtil::showExposed(&themed));
    EXPECT_TRUE(TestUtil::hasColor(TestUtil::screenShot(&themed), QColor(0x11, 0x22, 0x33), 2));
}
