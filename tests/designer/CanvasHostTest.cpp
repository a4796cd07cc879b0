// A small designer host: a canvas with its two scroll bars and a property
// grid filled for every selected control. It opens a page, moves and
// resizes a control, edits a property in the grid, saves, and the saved
// file reopens to the same page.

#include "CVNQLineEdit.h"
#include "CVNQSpinBox.h"
#include "DesignerTestUtil.h"

#include <QDir>

using namespace CVNQtLib;
using namespace DesignerTest;

TEST(DesignerHost, EditSaveReopen)
{
    QTemporaryDir dir;
    const QString path = writePage(dir, "main.json");
    DesignerHost host;
    ASSERT_TRUE(host.canvas.OpenJsonFile(path));
    CVNQLabel* title = named<CVNQLabel>(host.canvas, "title");
    ASSERT_NE(title, nullptr);

    TestUtil::click(&host.canvas, onCanvas(host.canvas, title) + QPoint(60, 15));
    ASSERT_TRUE(host.canvas.IsInSelected(title));
    // Move by (30, 15), then widen and heighten by the bottom-right handle.
    TestUtil::drag(&host.canvas, onCanvas(host.canvas, title) + QPoint(60, 15), QPoint(30, 15));
    EXPECT_EQ(title->geometry(), QRect(50, 35, 120, 30));
    TestUtil::drag(&host.canvas, onCanvas(host.canvas, title) + QPoint(119, 29), QPoint(40, 10));
    EXPECT_EQ(title->geometry(), QRect(50, 35, 160, 40));

    auto* text = rowEditor<CVNQLineEdit>(host.grid, "Text");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), "Wind");
    text->setText("Gust");
    EXPECT_EQ(title->text(), "Gust");

    // The page's own size row: its top container fills it anew, and the bar follows.
    CVNQCanvasWindow* page = host.canvas.GetCurWindow();
    host.canvas.AddSelectedControl(page);
    rowEditor<CVNQSpinBox>(host.grid, "Width")->setValue(1200);
    EXPECT_EQ(named<QWidget>(host.canvas, "root")->width(), 1200);
    EXPECT_EQ(host.hBar.maximum(), 1200 - host.canvas.width());

    const QImage shot = host.grab().toImage();
    EXPECT_TRUE(shot.save(TestUtil::shotPath("designer-host.png")));
    TestUtil::expectMatchesReference(shot, "designer-host");

    ASSERT_TRUE(host.canvas.SavePage(path));
    const Json::Value saved = pageJson(host.canvas.GetCurWindow());
    CVNQCanvas reopened;
    ASSERT_TRUE(reopened.OpenJsonFile(path));
    EXPECT_EQ(pageJson(reopened.GetCurWindow()), saved);
    CVNQLabel* again = named<CVNQLabel>(reopened, "title");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->geometry(), QRect(50, 35, 160, 40));
    EXPECT_EQ(again->text(), "Gust");
    EXPECT_EQ(shownPlaces(reopened.GetCurWindow(), false), shownPlaces(page, false));
}
