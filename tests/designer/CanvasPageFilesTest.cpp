// Page files on the canvas: opening, saving, re-keying and removing pages,
// And the keys a saved page keeps.

#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"
#include "CVNQScrollBar.h"
#include "DesignerTestUtil.h"

#include <QDir>
#include <QTest>

using namespace CVNQtLib;
using namespace DesignerTest;

TEST(DesignerPageFiles, OpenSwitchAndDefaults)
{
    QTemporaryDir dir;
    const QString a = writePage(dir, "a.json");
    const QString bare = writePage(dir, "bare.json", R"({"w": 10})");
    CVNQCanvas canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(a));
    CVNQCanvasWindow* page = canvas.GetCurWindow();
    EXPECT_EQ(page->objectName(), "a");
    EXPECT_EQ(page->pageName(), "a.json");
    EXPECT_TRUE(canvas.OpenJsonFile(a));
    EXPECT_EQ(canvas.GetCurWindow(), page) << "an open page is switched to, not read again";
    // A name of several dots: the object name ends at the first, and the loader's ".json" reaches the same file.
    const QString dotted = writePage(dir, "turbine.v2.json");
    ASSERT_TRUE(canvas.OpenJsonFile(dotted));
    CVNQCanvasWindow* dottedPage = canvas.GetCurWindow();
    EXPECT_EQ(dottedPage->objectName(), "turbine");
    EXPECT_EQ(dottedPage->pageName(), "turbine.v2.json");
    ASSERT_TRUE(canvas.OpenJsonFile(dir.filePath("turbine.v2")));
    EXPECT_EQ(canvas.GetCurWindow(), dottedPage);
    ASSERT_TRUE(canvas.OpenJsonFile(a));

    // Refused: the current page stays current but hidden.
    EXPECT_FALSE(canvas.OpenJsonFile(bare));
    EXPECT_EQ(canvas.GetCurWindow(), page);
    EXPECT_FALSE(page->isVisibleTo(&canvas));

    CVNQCanvasWindow fresh;
    fresh.resize(300, 200);
    const Json::Value out = pageJson(&fresh);
    EXPECT_EQ(out["minW"], 400);
    EXPECT_EQ(out["minH"], 400);
    EXPECT_EQ(out["drag"], true);
    EXPECT_EQ(out["dbheight"], 40);
    EXPECT_FALSE(out.isMember("resize"));

    // Every window key the page loader reads comes back, none at its default.
    const Json::Value keys = TestUtil::json(R"({"w": 320, "h": 210, "minW": 100, "minH": 90, "resize": true,
        "drag": false, "onlyDragCaption": true, "trans": true, "elements": []})");
    CVNQCanvasWindow read;
    cvnCreatePageFromJson(&read, keys);
    EXPECT_TRUE(TestUtil::keepsEveryKey(keys, pageJson(&read), {"elements"}));
}

// Saving and opening report failure, and a failed save leaves the
// Old file alone.
TEST(DesignerPageFiles, FailuresAreReported)
{
    QTemporaryDir dir;
    const QString path = writePage(dir, "main.json");
    CVNQCanvas canvas;
    EXPECT_FALSE(canvas.OpenJsonFile(dir.filePath("missing.json")));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "broken.json", "{ not json"));
    EXPECT_FALSE(canvas.OpenJsonFile(dir.filePath("broken.json")));
    // Nothing the loader would build: text after a NUL byte, elements of no
    // or an unknown type.
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "nul.json", QByteArray("{\"note\": \"a\0b\", \"elements\": []}", 31)));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme.json", R"({"elements": [{"child": [{"type": "qtlabel"}]}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "unknown.json", R"({"elements": [{"type": "futureGauge"}]})"));
    for (const char* name : {"nul.json", "theme.json", "unknown.json"})
        EXPECT_FALSE(canvas.OpenJsonFile(dir.filePath(name))) << name;
    EXPECT_FALSE(canvas.SavePage(path)) << "not open";

    ASSERT_TRUE(canvas.OpenJsonFile(path));
    // A folder of the new name, made after the re-keying: the save cannot replace it.
    canvas.GetCurWindow()->setObjectName("taken");
    const QString rekeyed = canvas.UpdatePagePath(path);
    EXPECT_EQ(rekeyed, dir.filePath("taken.json"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.json"));
    EXPECT_FALSE(canvas.SavePage(rekeyed));
    EXPECT_TRUE(QFileInfo(rekeyed).isDir());
    canvas.GetCurWindow()->setObjectName("main");
    ASSERT_EQ(canvas.UpdatePagePath(rekeyed), path);
    EXPECT_TRUE(canvas.SavePage(path));
}

// Every saved page reopens, and its keys come back as saved.
TEST(DesignerPageFiles, SavedKeysReopen)
{
    QTemporaryDir dir;
    const QString path = writePage(dir, "keys.json",
                                   R"({"w": 500, "h": 300, "drag": false, "trans": true, "minW": 0,
                                       "resize": true, "onlyDragCaption": true, "elements": []})");
    CVNQCanvas canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(path));
    ASSERT_TRUE(canvas.SavePage(path));
    const Json::Value saved = TestUtil::json(readAll(path).constData());
    EXPECT_TRUE(saved["elements"].isArray());
    EXPECT_EQ(saved["drag"], false);
    EXPECT_EQ(saved["trans"], true);
    EXPECT_EQ(saved["minW"], 0);

    CVNQCanvas other;
    ASSERT_TRUE(other.OpenJsonFile(path));
    CVNQCanvasWindow* page = other.GetCurWindow();
    EXPECT_FALSE(page->getCanGrag());
    EXPECT_TRUE(page->getResizeable());
    EXPECT_TRUE(page->getOnlyDragCaption());
    EXPECT_EQ(page->getMinWidth(), 0);
    EXPECT_EQ(page->getMinHeight(), 400);
    EXPECT_TRUE(page->testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(page->size(), QSize(500, 300));
}

// A page takes its new name's path unless
// Another open page has it.
TEST(DesignerPageFiles, RekeyingKeepsPagesApart)
{
    QTemporaryDir dir;
    const QString a = writePage(dir, "a.json");
    const QString b = writePage(dir, "b.json");
    CVNQCanvas canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(a));
    CVNQCanvasWindow* pageA = canvas.GetCurWindow();
    ASSERT_TRUE(canvas.OpenJsonFile(b));
    CVNQCanvasWindow* pageB = canvas.GetCurWindow();

    pageB->setObjectName("a");
    EXPECT_EQ(canvas.UpdatePagePath(b), b) << "refused";
    ASSERT_TRUE(canvas.OpenJsonFile(a));
    EXPECT_EQ(canvas.GetCurWindow(), pageA);

    pageB->setObjectName("main");
    const QString renamed = canvas.UpdatePagePath(b);
    EXPECT_EQ(renamed, dir.filePath("main.json"));
    EXPECT_TRUE(canvas.UpdatePagePath(b).isEmpty()) << "the old key is gone";
    ASSERT_TRUE(canvas.OpenJsonFile(renamed));
    EXPECT_EQ(canvas.GetCurWindow(), pageB);

    // Nor onto a file that no page holds: the next save would replace it.
    pageB->setObjectName(QFileInfo(writePage(dir, "disk.json")).baseName());
    EXPECT_EQ(canvas.UpdatePagePath(renamed), renamed);
    // A name is no path: it keeps the page in its folder, and is not empty.
    for (const char* name : {"../escaped", "", " ", "sub/main", "sub\\main"}) {
        pageB->setObjectName(name);
        EXPECT_EQ(canvas.UpdatePagePath(renamed), renamed) << name;
    }
    // A page whose name is unchanged keeps its file, whatever its extension.
    for (const char* name : {"turbine.v2.json", "UP.JSON", "noext"}) {
        ASSERT_TRUE(canvas.OpenJsonFile(writePage(dir, name)));
        EXPECT_EQ(canvas.UpdatePagePath(dir.filePath(name)), dir.filePath(name)) << name;
    }
}

// Removing or closing pages leaves no selection, press or scroll state
// behind; switching keeps each page's scroll position.
TEST(DesignerPageFiles, RemovedPagesLeaveNoState)
{
    QTemporaryDir dir;
    const QString path = writePage(dir, "main.json");
    CVNQCanvas canvas;
    canvas.resize(300, 200);
    CVNQScrollBar h(Qt::Horizontal, nullptr), v(Qt::Vertical, nullptr);
    canvas.SetScrollbar(&h, true);
    canvas.SetScrollbar(&v, false);
    ASSERT_TRUE(canvas.OpenJsonFile(path));
    auto* title = named<QWidget>(canvas, "title");
    TestUtil::click(&canvas, onCanvas(canvas, title) + QPoint(5, 5));
    ASSERT_TRUE(canvas.IsInSelected(title));
    v.setValue(50);
    EXPECT_EQ(canvas.GetCurWindow()->y(), -50);
    TestUtil::press(&canvas, onCanvas(canvas, title) + QPoint(50, 15));
    EXPECT_TRUE(canvas.removePage(canvas.GetCurWindow()));
    EXPECT_EQ(canvas.GetCurWindow(), nullptr);
    EXPECT_FALSE(canvas.IsInSelected(title));
    TestUtil::move(&canvas, QPoint(90, 90), Qt::LeftButton);
    TestUtil::release(&canvas, QPoint(90, 90));
    canvas.grab();

    ASSERT_TRUE(canvas.OpenJsonFile(path));
    EXPECT_EQ(v.value(), 0) << "a new page starts unscrolled";
    v.setValue(30);
    // Each page keeps its own scroll position.
    ASSERT_TRUE(canvas.OpenJsonFile(writePage(dir, "other.json")));
    EXPECT_EQ(v.value(), 0);
    ASSERT_TRUE(canvas.OpenJsonFile(path));
    EXPECT_EQ(v.value(), 30);
    EXPECT_EQ(canvas.GetCurWindow()->y(), -30);
    // Also under a new file name.
    canvas.GetCurWindow()->setObjectName("renamed");
    const QString renamed = canvas.UpdatePagePath(path);
    ASSERT_NE(renamed, path);
    ASSERT_TRUE(canvas.OpenJsonFile(dir.filePath("other.json")));
    ASSERT_TRUE(canvas.OpenJsonFile(renamed));
    EXPECT_EQ(v.value(), 30);
    canvas.closeAllWindows();
    ASSERT_TRUE(canvas.OpenJsonFile(path));
    EXPECT_EQ(v.value(), 0);

    // Resized, the canvas sets its bars to what it now shows of the page,
    // and centres a page it shows whole.
    ASSERT_TRUE(TestUtil::showExposed(&canvas));
    const QSize page = canvas.GetCurWindow()->size();
    // Each axis on its own: a bar shows while its side of the page is not all in view.
    for (const QSize& size :
         {page - QSize(40, 60), page + QSize(20, 30), page + QSize(20, -30), page + QSize(-20, 30)}) {
        canvas.resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return canvas.size() == size; }));
        const QSize hidden = (page - size).expandedTo(QSize(0, 0));
        const QSize room = (size - page).expandedTo(QSize(0, 0));
        EXPECT_EQ(QSize(h.maximum(), v.maximum()), hidden);
        EXPECT_EQ(QSize(h.pageStep(), v.pageStep()), size);
        EXPECT_EQ(QSize(!h.isHidden(), !v.isHidden()), QSize(room.width() == 0, room.height() == 0))
            << size.width() << "x" << size.height();
        EXPECT_EQ(canvas.GetCurWindow()->pos(), QPoint(room.width() / 2, room.height() / 2))
            << size.width() << "x" << size.height();
    }
}

// Opening, switching, removing and closing pages, and a hidden control that
// its parent shows, show on the screen at once.
TEST(DesignerPageFiles, PageChangesShowAtOnce)
{
    QTemporaryDir dir;
    CVNQtLib::init();
    FillStyle red;
    red.name = "dzRed";
    red.fill.clr = QColor(220, 0, 0);
    CVNQResourceManager::getInstance()->setFillStyle(red.name, red);
    const char* box = R"({"w": 400, "h": 300, "elements": [{"type": "qtcontainer", "name": "root", "w": 400, "h": 300,
      "child": [{"type": "qtcontainer", "name": "box", "layout": {"type": 1}, "x": %1, "y": 20, "w": 60, "h": 40,
                 "style": [["dzRed", 1, 0]], "visibility": %2}]}]})";
    const QString a = writePage(dir, "a.json", QString(box).arg(20).arg("true").toUtf8().constData());
    const QString b = writePage(dir, "b.json", QString(box).arg(220).arg("false").toUtf8().constData());
    CVNQCanvas canvas;
    canvas.resize(400, 300);
    ASSERT_TRUE(canvas.OpenJsonFile(a));
    ASSERT_TRUE(TestUtil::showExposed(&canvas));
    // Which of the two places shows the red box.
    auto shows = [&](bool left, bool right) {
        return TestUtil::waitFor([&] {
            return (onScreen(&canvas, QRect(40, 40, 1, 1)).pixelColor(0, 0) == red.fill.clr) == left &&
                   (onScreen(&canvas, QRect(240, 40, 1, 1)).pixelColor(0, 0) == red.fill.clr) == right;
        });
    };
    ASSERT_TRUE(shows(true, false));
    ASSERT_TRUE(canvas.OpenJsonFile(b));
    EXPECT_TRUE(shows(false, false)) << "b's box is hidden when it runs";
    // Its flag says shown, but the page hides it until its parent shows it.
    QWidget* hidden = canvas.GetCurWindow()->findChild<QWidget*>("box");
    hidden->setProperty("visibility", true);
    TestUtil::flushEvents();
    EXPECT_TRUE(shows(false, false));
    hidden->show();
    EXPECT_TRUE(shows(false, true)) << "shown by its parent";
    ASSERT_TRUE(canvas.OpenJsonFile(a));
    EXPECT_TRUE(shows(true, false)) << "switched back";
    EXPECT_TRUE(canvas.removePage(canvas.GetCurWindow()));
    EXPECT_TRUE(shows(false, false)) << "removed";
    ASSERT_TRUE(canvas.OpenJsonFile(b));
    ASSERT_TRUE(shows(false, true));
    canvas.closeAllWindows();
    EXPECT_TRUE(shows(false, false)) << "closed";
}

// Styles are written safely and failures reported.
TEST(DesignerPageFiles, SaveStyleReports)
{
    QTemporaryDir dir;
    CVNQtLib::init();
    CVNQCanvas canvas;
    EXPECT_FALSE(canvas.SaveStyle(QString()));
    ASSERT_TRUE(QDir(dir.path()).mkdir("style.json"));
    EXPECT_FALSE(canvas.SaveStyle(dir.filePath("style.json")));
    EXPECT_FALSE(canvas.SaveStyle(dir.filePath("none/style.json")));
    ASSERT_TRUE(canvas.SaveStyle(dir.filePath("project.json")));
    EXPECT_TRUE(TestUtil::json(readAll(dir.filePath("project.json")).constData()).isMember("style"));
}

// Two spellings of one file open one page.
TEST(DesignerPageFiles, OneFileOnePage)
{
    QTemporaryDir dir;
    const QString path = writePage(dir, "main.json");
    CVNQCanvas canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(path));
    CVNQCanvasWindow* page = canvas.GetCurWindow();
    ASSERT_TRUE(canvas.OpenJsonFile(QDir::current().relativeFilePath(path)));
    EXPECT_EQ(canvas.GetCurWindow(), page);
    ASSERT_TRUE(canvas.OpenJsonFile(dir.path() + "/./sub/../main.json"));
    EXPECT_EQ(canvas.GetCurWindow(), page);
    EXPECT_TRUE(canvas.SavePage(QDir::current().relativeFilePath(path)));
}

// A save writes the file whose page was shown: the one the page loader
// finds for the name, else the file the name names; a page a loaded
// package holds is not opened.
TEST(DesignerPageFiles, SavesGoToTheFileShown)
{
    QTemporaryDir dir;
    const QString shown = writePage(dir, "main.json");
    const QString bare = writePage(dir, "main", R"({"w": 300, "h": 200, "elements": []})");
    const QByteArray bareText = readAll(bare);
    writePage(dir, "home.json");
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/style.json", R"({"style": [{"type": 1, "name": "t"}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/home.json", kPage));
    ASSERT_TRUE(CVNQResourceManager::getInstance()->loadThemeDir(dir.filePath("theme")));
    const struct Cwd
    {
        QString saved = QDir::currentPath();
        ~Cwd() { QDir::setCurrent(saved); }
    } cwd;
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    CVNQCanvas canvas;
    EXPECT_FALSE(canvas.OpenJsonFile("home.json")) << "the theme's page";
    int minWidth = 300;
    for (const QString& path : {bare, writePage(dir, "PAGE.JSON"), writePage(dir, "plain"), QString("./home.json")}) {
        ASSERT_TRUE(canvas.OpenJsonFile(path)) << path.toStdString();
        canvas.GetCurWindow()->setMinWidth(++minWidth);
        ASSERT_TRUE(canvas.SavePage(path));
        const QString file = path == bare ? shown : path;
        EXPECT_EQ(TestUtil::json(readAll(file).constData())["minW"], minWidth) << file.toStdString();
    }
    EXPECT_EQ(readAll(bare), bareText);
    EXPECT_EQ(readAll(dir.filePath("theme/home.json")), QByteArray(kPage));
    ASSERT_TRUE(canvas.OpenJsonFile(shown));
    EXPECT_EQ(canvas.GetCurWindow()->getMinWidth(), 301) << "one page for both names of the file";
}

// A name keeps the file it reached when its page opened: a name the skin folder shadows and the working folder's
// file are two pages, and a relative name keeps its file when the working folder changes.
TEST(DesignerPageFiles, NamesKeepTheirFiles)
{
    QTemporaryDir dir;
    const QString work = writePage(dir, "work/home.json"), skin = writePage(dir, "skin/home.json");
    writePage(dir, "skin/style.json", R"({"style": []})");
    const QString rel = writePage(dir, "work/rel.json");
    writePage(dir, "other/rel.json");
    ASSERT_TRUE(CVNQResourceManager::getInstance()->setSkinDirPath(dir.filePath("skin")));
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.filePath("work")));
    CVNQCanvas canvas;
    for (const QString& name : {QString("home.json"), work}) {
        ASSERT_TRUE(canvas.OpenJsonFile(name));
        canvas.GetCurWindow()->setMinWidth(name == work ? 310 : 311);
    }
    ASSERT_TRUE(canvas.SavePage("home.json") && canvas.SavePage(work));
    EXPECT_EQ(TestUtil::json(readAll(work).constData())["minW"], 310);
    EXPECT_EQ(TestUtil::json(readAll(skin).constData())["minW"], 311);
    ASSERT_TRUE(canvas.OpenJsonFile("rel.json"));
    CVNQCanvasWindow* page = canvas.GetCurWindow();
    page->setMinWidth(303);
    ASSERT_TRUE(QDir::setCurrent(dir.filePath("other")));
    ASSERT_TRUE(canvas.SavePage("rel.json"));
    ASSERT_TRUE(canvas.OpenJsonFile("./rel.json"));
    EXPECT_NE(canvas.GetCurWindow(), page);
    // Renamed, it is handed back a name that reaches the file it writes.
    page->setObjectName("moved");
    const QString moved = canvas.UpdatePagePath("rel.json");
    ASSERT_TRUE(canvas.SavePage(moved));
    EXPECT_EQ(QFileInfo(moved).canonicalFilePath(), QFileInfo(dir.filePath("work/moved.json")).canonicalFilePath());
    QDir::setCurrent(cwd);
    EXPECT_EQ(TestUtil::json(readAll(rel).constData())["minW"], 303);
}
