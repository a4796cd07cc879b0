// Saving a page opened on the canvas: what the file held and the canvas did
// not change comes back as read; edits, deletions and new controls go over
// it; a write that fails leaves the old file.

#include "CVNJson.h"
#include "CVNQContainer.h"
#include "CVNQScrollView.h"
#include "CVNQSplitter.h"
#include "CVNQStackContainer.h"
#include "CVNQWindow.h"
#include "DesignerTestUtil.h"

#include <QDir>
#include <QRegularExpression>
#include <csignal>
#include <sys/resource.h>

using namespace CVNQtLib;
using namespace DesignerTest;

namespace {

// Keys, nodes and values the toolkit does not read or write itself.
constexpr const char* kUnknownPage = R"({"version": 3, "title": "Farm", "dbmax": true, "dbheight": 32,
  "custom": {"a": [1, {"b": null}]}, "w": 800, "h": 600, "elements": [
  {"type": "qtcontainer", "name": "root", "comment": "top", "layout": {"type": 1}, "w": 800, "h": 600,
   "theme": "farmRoot", "alpha": 0.5, "attr": {"deep": {"k": [1, 2]}, "empty": [], "childLayout": 0}, "child": [
    {"type": "qtlabel", "name": "title", "w": 120, "h": 30, "texts": {"de": "Wind"}, "attr": {"text": "Wind"}},
    {"type": "futureGauge", "name": "gauge", "child": [{"type": "qtlabel"}]},
    {"type": "qtdatagrid", "name": "grid", "w": 300, "h": 200, "child": [{"type": "qtscrollbar", "w": 12}]},
    {"type": "qtbutton", "name": "go", "x": 200, "w": 100, "h": 40, "enable": false, "empty": []}]}]})";

constexpr const char* kRibbonPage = R"({"w": 900, "h": 300, "elements": [{"type": "qtribbonbar", "name": "ribbon",
  "w": 900, "h": 140, "attr": {"ribbon": {"schemaVersion": 1, "pages": [{"id": "home", "text": "Home", "groups": [
    {"id": "g", "text": "Turbines", "items": [{"id": "start", "text": "Start"}]}]}]}}}]})";

Json::Value fileJson(const QString& path)
{
    Json::Value root;
    EXPECT_TRUE(jsonParse(readAll(path), root)) << path.toStdString();
    return root;
}

// Every named widget's place in its window.
QMap<QString, QRect> places(QWidget* window)
{
    QMap<QString, QRect> out;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisible()) // a stack lays out a page when it shows it
            out.insert(w->objectName(), QRect(w->mapTo(window, QPoint(0, 0)), w->size()));
    return out;
}

} // namespace

TEST(DesignerPageSave, UneditedSaveKeepsEveryKey)
{
    QTemporaryDir dir;
    const QDir repo(TestUtil::sourcePath(QString()));
    const QString nested = repo.filePath("tests/layout/pages/nested_layout_page.json");
    QStringList pages = {writePage(dir, "unknown.json", kUnknownPage), writePage(dir, "ribbon.json", kRibbonPage)};
    for (const QString& file :
         {nested, repo.filePath("app/windfarm-theme/theme.json"), repo.filePath("app/windfarm-theme/style.json"),
          repo.filePath("toolkit/core/resources/style/defaultStyle.json")}) {
        pages << dir.filePath(QString::number(pages.size()) + QFileInfo(file).fileName());
        ASSERT_TRUE(QFile::copy(file, pages.last()));
    }

    for (const QString& path : pages) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray original = readAll(path);
        const Json::Value before = fileJson(path);
        CVNQCanvas canvas;
        if (!canvas.OpenJsonFile(path)) {
            EXPECT_GE(pages.indexOf(path), 3) << "only the theme and style files are refused";
            EXPECT_EQ(readAll(path), original);
            continue;
        }
        const int widgets = canvas.GetCurWindow()->findChildren<QWidget*>().size();
        // As a designer host saves: the page painted, in designer mode.
        canvas.resize(1000, 700);
        ASSERT_TRUE(TestUtil::showExposed(&canvas) && TestUtil::waitPainted(&canvas));
        cvnSetIsInDesigner(true);
        const bool saved = canvas.SavePage(path);
        cvnSetIsInDesigner(false);
        ASSERT_TRUE(saved);
        EXPECT_EQ(jsonStyled(fileJson(path)), jsonStyled(before));

        // Opened again, the saved page builds as many widgets.
        CVNQCanvas again;
        ASSERT_TRUE(again.OpenJsonFile(path));
        EXPECT_EQ(again.GetCurWindow()->findChildren<QWidget*>().size(), widgets);
    }
    EXPECT_EQ(pages.size(), 6);

    // The saved nested page runs as the original does.
    CVNQWindow original, saved;
    cvnCreatePageByFileName(&original, nested);
    cvnCreatePageByFileName(&saved, pages[2]);
    ASSERT_TRUE(TestUtil::showExposed(&original) && TestUtil::showExposed(&saved));
    for (int page : {0, 1}) {
        for (CVNQWindow* w : {&original, &saved})
            w->findChild<CVNQStackContainer*>("mainStack")->setCurrentIndex(page);
        EXPECT_EQ(places(&saved), places(&original)) << "page " << page;
    }
    EXPECT_GT(places(&original).size(), 300);
}

TEST(DesignerPageSave, EditsGoOverWhatWasRead)
{
    QTemporaryDir dir;
    const QString path = writePage(dir, "main.json", kUnknownPage);
    CVNQCanvas canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(path));
    canvas.GetCurWindow()->setMinWidth(300);
    named<CVNQLabel>(canvas, "title")->setText("Gust");
    QWidget* go = named<QWidget>(canvas, "go");
    go->setObjectName("start");
    go->setEnabled(true);                                   // the default, which the button does not write
    named<CVNQContainer>(canvas, "root")->setChildSpace(5); // a key beside ones the container does not know
    delete named<QWidget>(canvas, "grid");
    canvas.AddSelectedControl(named<QWidget>(canvas, "root"));
    ASSERT_TRUE(canvas.createControl("qtribbonbar"));
    ASSERT_TRUE(canvas.SavePage(path));

    const Json::Value saved = fileJson(path);
    EXPECT_EQ(saved["minW"], 300);
    EXPECT_EQ(saved["dbheight"], 32);
    const Json::Value& rootAttr = saved["elements"][0]["attr"];
    EXPECT_EQ(rootAttr["deep"], TestUtil::json(R"({"k": [1, 2]})"));
    EXPECT_TRUE(rootAttr["empty"].isArray());
    EXPECT_EQ(rootAttr["childLayout"], 0);
    const Json::Value& children = saved["elements"][0]["child"];
    ASSERT_EQ(children.size(), 4u);
    EXPECT_EQ(children[0]["attr"]["text"], "Gust");
    EXPECT_EQ(children[0]["texts"]["de"], "Wind");
    EXPECT_EQ(children[1]["type"], "futureGauge") << "kept in its place";
    EXPECT_EQ(children[2]["name"], "start");
    EXPECT_FALSE(children[2].isMember("enable"));
    EXPECT_TRUE(children[2]["empty"].isArray());
    EXPECT_EQ(children[3]["type"], "qtribbonbar");
    EXPECT_FALSE(children[3].isMember("child")) << "the ribbon's own widgets are no page controls";
}

TEST(DesignerPageSave, ShortWriteKeepsOldFile)
{
    QTemporaryDir dir;
    const QString path = writePage(dir, "main.json");
    CVNQCanvas canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(path));
    canvas.GetCurWindow()->setMinWidth(300);
    const QByteArray old = readAll(path);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = canvas.SavePage(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readAll(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"main.json"});
}

// A page nested deeper than a page file can be read back is not saved;
// one that can be read back saves and opens again.
TEST(DesignerPageSave, TooDeepToReadBackIsRefused)
{
    QTemporaryDir dir;
    const QString path = writePage(dir, "deep.json", R"({"elements": [{"type": "qtcontainer", "name": "c0"}]})");
    CVNQCanvas canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(path));
    const QByteArray old = readAll(path);
    std::vector<QWidget*> chain{named<QWidget>(canvas, "c0")};
    for (; chain.size() < 520; chain.push_back(chain.back()->findChild<QWidget*>())) {
        canvas.RemoveAllSelected();
        canvas.AddSelectedControl(chain.back());
        ASSERT_TRUE(canvas.createControl("qtcontainer"));
    }
    EXPECT_FALSE(canvas.SavePage(path));
    EXPECT_EQ(readAll(path), old);
    for (; !canvas.SavePage(path); chain.pop_back())
        delete chain.back();
    CVNQCanvas again;
    ASSERT_TRUE(again.OpenJsonFile(path));
    EXPECT_EQ(again.GetCurWindow()->findChildren<CVNQContainer*>().size(), int(chain.size()));
}

// Controls the canvas adds to a stack, a splitter or a scroll view are held as the reopened or running page holds
// them: pages (the first current and shown), panes, the scrolled content.
TEST(DesignerPageSave, ContainersHoldWhatTheCanvasAddsAsTheyHoldAFilesChildren)
{
    QTemporaryDir dir;
    const QString path = writePage(dir, "holders.json");
    CVNQCanvas canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(path));
    QWidget* root = named<QWidget>(canvas, "root");
    canvas.AddSelectedControl(root);
    for (const char* type : {"qtstackcontainer", "qtsplitter", "qtscrollview"})
        ASSERT_TRUE(canvas.createControl(type));
    for (QWidget* holder : root->findChildren<QWidget*>(QRegularExpression("^qts"), Qt::FindDirectChildrenOnly)) {
        canvas.RemoveAllSelected();
        canvas.AddSelectedControl(holder);
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(canvas.createControl("qtcontainer"));
    }
    auto held = [](QWidget* page, const std::function<bool(QWidget*)>& shows) { // children as held, which show
        auto name = [](const QWidget* w) { return w ? w->objectName() : QString("none"); };
        auto* s = page->findChild<CVNQStackContainer*>();
        auto* sp = page->findChild<CVNQSplitter*>();
        QStringList out = {name(page->findChild<CVNQScrollView*>()->widget()), name(sp->getUpLeftWidget()),
                           name(sp->getDownRightWidget()), name(s->currentWidget())};
        for (int i = 0; i < s->count(); ++i)
            out << name(s->widget(i));
        for (QWidget* w : page->findChildren<QWidget*>(QRegularExpression("^qtcontainer")))
            out << name(w) + (shows(w) ? "+" : "-");
        std::sort(out.begin() + 4 + s->count(), out.end());
        return out.join(' ').toStdString();
    };
    auto onCanvas = [&canvas](QWidget* w) { return canvas.GetCurWindow()->isShownWhenRun(w); };
    const std::string edited = held(canvas.GetCurWindow(), onCanvas);
    ASSERT_TRUE(canvas.SavePage(path));
    canvas.RemoveAllSelected();
    canvas.closeAllWindows();
    ASSERT_TRUE(canvas.OpenJsonFile(path));
    EXPECT_EQ(held(canvas.GetCurWindow(), onCanvas), edited);
    CVNQWindow run;
    cvnCreatePageByFileName(&run, path);
    EXPECT_EQ(held(&run, [&run](QWidget* w) { return w->isVisibleTo(&run); }), edited);
}
