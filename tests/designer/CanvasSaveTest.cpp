// Saving a page opened on the canvas: what the file held and the canvas did
// not change comes back as it was read; edits, deletions and new controls
// are applied; a write that fails leaves the old file.

#include "CVNJson.h"
#include "CVNQLabel.h"
#include "CVNQWindow.h"
#include "DesignerTestUtil.h"

#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>

using namespace CVNQtLib;
using namespace DesignerTest;

namespace {

// Keys, node kinds and values the toolkit does not read or write itself.
constexpr const char* kUnknownPage = R"({"version": 3, "title": "Farm", "dbmax": true, "dbheight": 32,
  "custom": {"a": [1, {"b": null}]}, "w": 800, "h": 600, "elements": [
  {"type": "qtcontainer", "name": "root", "comment": "top", "layout": {"type": 1}, "w": 800, "h": 600,
   "theme": "farmRoot", "alpha": 0.5, "attr": {"deep": {"k": [1, 2]}, "empty": [], "childLayout": 0}, "child": [
    {"type": "qtlabel", "name": "title", "x": 20, "y": 20, "w": 120, "h": 30, "texts": {"de": "Wind"},
     "attr": {"text": "Wind"}},
    {"type": "futureGauge", "name": "gauge", "x": 5, "y": 5, "w": 10, "h": 10, "child": [{"type": "qtlabel"}]},
    {"type": "qtdatagrid", "name": "grid", "x": 10, "y": 60, "w": 300, "h": 200, "child": [
      {"type": "qtscrollbar", "w": 12, "attr": {"hor": false, "size": 10}}]},
    {"type": "qtbutton", "name": "go", "x": 200, "y": 100, "w": 100, "h": 40, "enable": false, "empty": []}]}]})";

constexpr const char* kRibbonPage = R"({"w": 900, "h": 300, "elements": [
  {"type": "qtribbonbar", "name": "ribbon", "w": 900, "h": 140, "attr": {"ribbon": {"schemaVersion": 1, "pages": [
    {"id": "home", "text": "Home", "groups": [{"id": "g", "text": "Turbines", "items": [
      {"id": "start", "text": "Start"}, {"id": "stop", "text": "Stop", "size": "small"}]}]},
    {"id": "view", "text": "View"}]}}}]})";

std::string fileJson(const QString& path)
{
    Json::Value root;
    EXPECT_TRUE(jsonParse(readAll(path), root)) << path.toStdString();
    return jsonStyled(root);
}

int controlCount(CVNQCanvas& canvas)
{
    return canvas.GetCurWindow()->findChildren<QWidget*>().size();
}

// Every named widget's place in its window.
QMap<QString, QRect> placesInWindow(QWidget* window)
{
    QMap<QString, QRect> places;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty())
            places.insert(w->objectName(), QRect(w->mapTo(window, QPoint(0, 0)), w->size()));
    }
    return places;
}

} // namespace

TEST(DesignerPageSave, UneditedSaveKeepsEveryKey)
{
    QTemporaryDir dir;
    const QDir repo(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../.."));
    struct Case
    {
        QString path;
        bool isPage;
    };
    QVector<Case> cases = {{writePage(dir, "unknown.json", kUnknownPage), true},
                           {writePage(dir, "ribbon.json", kRibbonPage), true}};
    const struct
    {
        const char* file;
        bool isPage;
    } repoFiles[] = {{"tests/layout/pages/nested_layout_page.json", true},
                     {"app/windfarm-theme/theme.json", false},
                     {"app/windfarm-theme/style.json", false},
                     {"toolkit/core/resources/style/defaultStyle.json", false}};
    for (const auto& f : repoFiles) {
        const QString copy = dir.filePath(QString::number(cases.size()) + QFileInfo(f.file).fileName());
        ASSERT_TRUE(QFile::copy(repo.filePath(f.file), copy));
        cases.append({copy, f.isPage});
    }

    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const QByteArray original = readAll(c.path);
        const std::string before = fileJson(c.path);
        CVNQCanvas canvas;
        const bool opened = canvas.OpenJsonFile(c.path);
        EXPECT_EQ(opened, c.isPage);
        if (!opened) {
            EXPECT_EQ(readAll(c.path), original);
            continue;
        }
        const int controls = controlCount(canvas);
        // As a designer host saves: the page painted, in designer mode.
        canvas.resize(1000, 700);
        ASSERT_TRUE(TestUtil::showExposed(&canvas) && TestUtil::waitPainted(&canvas));
        cvnSetIsInDesigner(true);
        const bool saved = canvas.SavePage(c.path);
        cvnSetIsInDesigner(false);
        ASSERT_TRUE(saved);
        EXPECT_EQ(fileJson(c.path), before);

        // Opened again, the saved page builds as many widgets and saves alike.
        CVNQCanvas again;
        ASSERT_TRUE(again.OpenJsonFile(c.path));
        EXPECT_EQ(controlCount(again), controls);
        ASSERT_TRUE(again.SavePage(c.path));
        EXPECT_EQ(fileJson(c.path), before);
    }

    // The saved nested page runs as the original does.
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "nested_original.json",
                                    readAll(repo.filePath("tests/layout/pages/nested_layout_page.json"))));
    CVNQWindow original, saved;
    cvnCreatePageByFileName(&original, dir.filePath("nested_original.json"));
    cvnCreatePageByFileName(&saved, cases[2].path);
    ASSERT_TRUE(TestUtil::showExposed(&original) && TestUtil::showExposed(&saved));
    const QMap<QString, QRect> places = placesInWindow(&original);
    EXPECT_GT(places.size(), 300);
    EXPECT_EQ(placesInWindow(&saved), places);
}

TEST(DesignerPageSave, EditsGoOverWhatWasRead)
{
    QTemporaryDir dir;
    const QString path = writePage(dir, "main.json", kUnknownPage);
    CVNQCanvas canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(path));
    CVNQCanvasWindow* page = canvas.GetCurWindow();
    page->setMinWidth(300);
    named<CVNQLabel>(canvas, "title")->setText("Gust");
    dynamic_cast<ICVNQWidgetBase*>(named<QWidget>(canvas, "title"))->setGeometry(40, 20, 120, 30);
    QWidget* go = named<QWidget>(canvas, "go");
    go->setObjectName("start");
    go->setEnabled(true); // back to the default, which the button does not write
    delete named<QWidget>(canvas, "grid");
    canvas.AddSelectedControl(named<QWidget>(canvas, "root"));
    ASSERT_TRUE(canvas.createControl("qtribbonbar"));
    ASSERT_TRUE(canvas.SavePage(path));

    Json::Value saved;
    ASSERT_TRUE(jsonParse(readAll(path), saved));
    EXPECT_EQ(saved["minW"], 300);
    EXPECT_EQ(saved["version"], 3);
    EXPECT_EQ(saved["dbheight"], 32);
    const Json::Value& root = saved["elements"][0];
    EXPECT_EQ(root["comment"], "top");
    EXPECT_EQ(root["attr"]["deep"]["k"][1], 2);
    const Json::Value& children = root["child"];
    ASSERT_EQ(children.size(), 4u);
    const Json::Value& title = children[0];
    EXPECT_EQ(title["attr"]["text"], "Gust");
    EXPECT_EQ(title["x"], 40);
    EXPECT_EQ(title["texts"]["de"], "Wind");
    EXPECT_EQ(children[1]["type"], "futureGauge") << "kept in its place";
    const Json::Value& start = children[2];
    EXPECT_EQ(start["name"], "start");
    EXPECT_FALSE(start.isMember("enable"));
    EXPECT_TRUE(start["empty"].isArray());
    const Json::Value& ribbon = children[3];
    EXPECT_EQ(ribbon["type"], "qtribbonbar");
    EXPECT_FALSE(ribbon.isMember("child")) << "the ribbon's own widgets are not page controls";
}

// Files the page loader would build nothing from are not opened, so no save
// can put an empty page over them.
TEST(DesignerPageSave, FilesThatBuildNothingAreRefused)
{
    QTemporaryDir dir;
    CVNQtLib::init();
    const QByteArray nul = QByteArray(R"({"w": 10,)") + '\0' + R"("elements": [{"type": "qtlabel"}]})";
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "nul.json", nul));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme.json", R"({"elements": [{"child": [{"type": "qtlabel"}]}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "unknown.json", R"({"elements": [{"type": "futureGauge"}]})"));
    CVNQCanvas canvas;
    for (const char* name : {"nul.json", "theme.json", "unknown.json"})
        EXPECT_FALSE(canvas.OpenJsonFile(dir.filePath(name))) << name;
    EXPECT_EQ(canvas.GetCurWindow(), nullptr);
}

TEST(DesignerPageSave, ShortWriteKeepsOldFile)
{
    QTemporaryDir dir;
    const QString path = writePage(dir, "main.json");
    CVNQCanvas canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(path));
    canvas.GetCurWindow()->setMinWidth(300);
    const QByteArray old = readAll(path);
    ASSERT_GT(old.size(), 64);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = canvas.SavePage(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readAll(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"main.json"});
    EXPECT_TRUE(canvas.SavePage(path));
    EXPECT_NE(readAll(path), old);
}
