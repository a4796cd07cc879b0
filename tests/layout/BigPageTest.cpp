// A page of a few hundred nested controls built from a page file: it lays
// out, follows window resizes and scrolls. The rendering is saved for a
// look, in the build tree.

#include "CVNJson.h"
#include "CVNQContainer.h"
#include "CVNQControlFactory.h"
#include "CVNQScrollBar.h"
#include "CVNQSpacer.h"
#include "CVNQWindow.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace LayoutTest;

namespace {

// 40 rows of five children each (three weighted cells, a spacer and a
// docked badge), each cell holding two more boxes: 1 + 40 × 12 controls.
Json::Value bigPage()
{
    Json::Value root = containerNode("root", "PgBack", 1, 6, 8);
    for (int r = 0; r < 40; ++r) {
        Json::Value row = containerNode("row" + std::to_string(r), r % 2 ? "PgRowA" : "PgRowB", 0, 4, 4);
        row["minHeight"] = 40;
        row["maxHeight"] = 40;
        policies(row, 0, 1);
        for (int c = 0; c < 3; ++c) {
            Json::Value cell = containerNode("", "PgCell", 0, 2, 3);
            ratio(cell, c + 1);
            cell["heightPolicy"] = 0;
            for (int k = 0; k < 2; ++k) {
                Json::Value leaf = node("container", "", k ? "PgLeafB" : "PgLeafA");
                leaf["heightPolicy"] = 0;
                cell["child"].append(leaf);
            }
            row["child"].append(cell);
        }
        Json::Value spacer;
        spacer["type"] = "qtspacer";
        spacer["layout"]["ratio"] = 1;
        spacer["attr"]["direction"] = 2; // an ordinary weight-1 child of the row
        row["child"].append(spacer);
        Json::Value badge = node("qtcontainer", "", "PgBadge");
        badge["minWidth"] = 16;
        badge["maxWidth"] = 16;
        badge["minHeight"] = 16;
        badge["maxHeight"] = 16;
        badge["absoluteDockHor"] = 2;
        badge["absoluteDockVer"] = 1;
        badge["absoluteDockOffsetX"] = -2;
        row["child"].append(badge);
        root["child"].append(row);
    }
    Json::Value page;
    page["w"] = 900;
    page["h"] = 600;
    page["elements"].append(root);
    return page;
}

} // namespace

TEST(BigPage, LaysOutResizesAndScrolls)
{
    LayoutTest::initToolkit();
    defineFill("PgBack", QColor(32, 36, 44));
    defineFill("PgRowA", QColor(52, 60, 74), 6);
    defineFill("PgRowB", QColor(44, 52, 64), 6);
    defineFill("PgCell", QColor(70, 110, 160), 4);
    defineFill("PgLeafA", QColor(120, 180, 120), 3);
    defineFill("PgLeafB", QColor(200, 160, 90), 3);
    defineFill("PgBadge", QColor(220, 70, 70), 8);

    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "big.json", QByteArray::fromStdString(jsonStyled(bigPage()))));
    CVNQWindow window;
    CVNQContainer* root = cvnCreatePageByFileName(&window, dir.filePath("big.json"));
    ASSERT_TRUE(root);
    EXPECT_GE(window.findChildren<QWidget*>().size(), 400);

    auto* bar = new CVNQScrollBar(Qt::Vertical, nullptr);
    FillStyle thumb;
    thumb.fill.clr = QColor(160, 170, 190);
    thumb.fill.round = 4;
    bar->setScrollbarThumb(4, thumb);
    FillStyle groove;
    groove.fill.clr = QColor(24, 26, 32);
    bar->setScrollbarBackground(0, groove);
    bar->setWidthHeight(12);
    root->bindScrollBar(bar, false);
    ASSERT_TRUE(TestUtil::showExposed(&window));

    // Content is the union of the children: the bottom padding is not in it.
    const int contentHeight = 8 + 40 * 40 + 39 * 6;
    auto checkRows = [&](int width) {
        const int rowWidth = width - 12 - 16;
        int lastBottom = -1;
        for (int r = 0; r < 40; ++r) {
            auto* row = root->findChild<CVNQContainer*>(QStringLiteral("row%1").arg(r));
            ASSERT_TRUE(row);
            const QRect base = row->property("_cvn_container_base_geometry").toRect();
            EXPECT_EQ(base, QRect(8, 8 + r * 46, rowWidth, 40)) << r;
            EXPECT_GT(base.top(), lastBottom);
            lastBottom = base.bottom();
            // Weighted cells 1 : 2 : 3 and a weight-1 spacer share the row.
            const QList<CVNQContainer*> cells =
                row->findChildren<CVNQContainer*>(QString(), Qt::FindDirectChildrenOnly);
            ASSERT_EQ(cells.size(), 4);
            const int unit = (rowWidth - 8 - 3 * 4) / 7;
            EXPECT_NEAR(cells[0]->width(), unit, 1);
            EXPECT_NEAR(cells[1]->width(), 2 * unit, 2);
            EXPECT_NEAR(cells[2]->width(), 3 * unit, 3);
            auto* spacer = row->findChild<CVNQSpacer*>();
            ASSERT_TRUE(spacer);
            EXPECT_EQ(spacer->geometry().right(), rowWidth - 4 - 1); // the last child ends at the padding
            EXPECT_EQ(cells[3]->geometry(), QRect(rowWidth - 16 - 4 - 2, 12, 16, 16)); // docked badge
        }
    };
    checkRows(900);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->maximum(), contentHeight - 600);

    root->setScrollPos(false, bar->maximum());
    auto* last = root->findChild<CVNQContainer*>(QStringLiteral("row39"));
    EXPECT_EQ(last->geometry().bottom() + 1, 600);

    window.resize(640, 420);
    // The window manager answers the resize when it does.
    EXPECT_TRUE(TestUtil::waitFor([&] { return bar->maximum() == contentHeight - 420; }));
    checkRows(640);
    EXPECT_EQ(bar->maximum(), contentHeight - 420);
    EXPECT_EQ(bar->value(), contentHeight - 600); // a larger range keeps the offset

    const QString out = TestUtil::shotPath("layout-big-page.png");
    root->setScrollPos(false, 300);
    const QImage shot = window.grab().toImage();
    EXPECT_TRUE(shot.save(out));
    TestUtil::expectMatchesReference(shot, "big-page");
}
