// A dashboard-like page file in a CVNQWindow: a header row, a side column,
// content rows shared by ratio (figure cards, panels), a stack switched by a
// tab strip and a scroll view holding a few hundred controls. It is laid
// out, switched, scrolled and resized. Set CORVANE_SHOT_DIR to keep PNG
// screenshots of the steps.

#include "CVNJson.h"
#include "CVNQContainer.h"
#include "CVNQControlFactory.h"
#include "CVNQLabel.h"
#include "CVNQProgressBar.h"
#include "CVNQPushButton.h"
#include "CVNQResourceManager.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollView.h"
#include "CVNQSpacer.h"
#include "CVNQStackContainer.h"
#include "CVNQTabWidget.h"
#include "CVNQWindow.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace LayoutTest;

namespace {

constexpr int kTiles = 150; // turbine tiles: a container, a label and a bar each
constexpr int kTileW = 104;
constexpr int kTileH = 52;
constexpr int kGridW = 720; // the scrolled content keeps its page-file width
constexpr int kGridPerRow = (kGridW - 16 + 8) / (kTileW + 8);
constexpr int kGridRows = (kTiles + kGridPerRow - 1) / kGridPerRow;
constexpr int kGridH = 8 + kGridRows * (kTileH + 8);

void registerStyles()
{
    defineFill("dbBack", QColor(0x0e, 0x1a, 0x1c));
    defineFill("dbHeader", QColor(0x10, 0x24, 0x26));
    defineFill("dbSide", QColor(0x0b, 0x16, 0x18));
    defineFill("dbCard", QColor(0x16, 0x2e, 0x30), 8, QColor(0x2e, 0x4c, 0x4e));
    defineFill("dbPanel", QColor(0x13, 0x28, 0x2a), 8);
    defineFill("dbClear", QColor(0, 0, 0, 0));
    defineFill("dbTabN", QColor(0x16, 0x2e, 0x30), 4);
    defineFill("dbTabH", QColor(0x1e, 0x3e, 0x40), 4);
    defineFill("dbTabP", QColor(0x00, 0xa8, 0x66), 4);
    defineFill("dbBtn", QColor(0x1e, 0x3e, 0x40), 6);
    defineFill("dbBarBack", QColor(0x1e, 0x34, 0x36), 3);
    defineFill("dbBarFill", QColor(0x00, 0xef, 0x86), 3);
    defineFill("dbGroove", QColor(0x10, 0x22, 0x24));
    defineFill("dbThumb", QColor(0x3a, 0x6a, 0x6c), 4);
    defineFill("dbThumbHot", QColor(0x46, 0xbf, 0xbc), 4);
    const QColor tiles[] = {QColor(0x1d, 0x4a, 0x3c), QColor(0x4a, 0x3f, 0x1d), QColor(0x4a, 0x23, 0x23),
                            QColor(0x2a, 0x33, 0x3c)};
    for (int i = 0; i < 4; ++i)
        defineFill(QStringLiteral("dbTile%1").arg(i).toUtf8().constData(), tiles[i], 6, tiles[i].lighter(160));
    defineText("dbBrand", QColor(0xf2, 0xf8, 0xf6), 18, true);
    defineText("dbTitle", QColor(0x7d, 0x97, 0x94), 12);
    defineText("dbValue", QColor(0xf2, 0xf8, 0xf6), 22, true);
    defineText("dbBody", QColor(0xd2, 0xe0, 0xde), 13);
    defineText("dbTabText", QColor(0xb8, 0xcc, 0xca), 13, false, 1);
    defineText("dbTabSel", QColor(0xff, 0xff, 0xff), 13, true, 1);
    defineText("dbBtnText", QColor(0xf2, 0xf8, 0xf6), 12, false, 1);
}

// --- page-file builders ---------------------------------------------------

// A container without a style of its own paints the toolkit's grey: rows
// that only arrange others get the clear style.
Json::Value container(const std::string& name, const char* fillStyle, int mode, int space, int pad)
{
    return containerNode(name, fillStyle ? fillStyle : "dbClear", mode, space, pad);
}

Json::Value label(const std::string& name, const char* textStyle, const std::string& caption, int w, int h)
{
    Json::Value n = node("qtlabel", name);
    n["style"].append(styleEntry(textStyle, 2, 0));
    n["attr"]["text"] = caption;
    sized(n, w, h);
    return n;
}

Json::Value progress(const std::string& name, int value, int h)
{
    Json::Value n = node("qtprogressbar", name);
    n["style"].append(styleEntry("dbBarBack", 1, 0));
    n["style"].append(styleEntry("dbBarFill", 1, 2));
    n["attr"]["val"] = value;
    sized(n, 10, h);
    policies(n, 0, 1);
    return n;
}

Json::Value tabStrip(const std::string& name, bool horizontal, int itemSize)
{
    Json::Value n = node("qttab", name, "dbClear");
    n["style"].append(styleEntry("dbTabN", 1, 1));
    n["style"].append(styleEntry("dbTabH", 1, 2));
    n["style"].append(styleEntry("dbTabP", 1, 3));
    n["style"].append(styleEntry("dbTabText", 2, 5));
    n["style"].append(styleEntry("dbTabSel", 2, 7));
    n["attr"]["itemSize"] = itemSize;
    n["attr"]["itemSpace"] = 4;
    n["attr"]["isHor"] = horizontal ? 1 : 0;
    return n;
}

Json::Value header()
{
    Json::Value h = container("header", "dbHeader", 0, 12, 12);
    h["attr"]["paddingLeft"] = 20;
    h["attr"]["paddingRight"] = 20;
    sized(h, 10, 60);
    policies(h, 0, 1);
    Json::Value brand = label("brand", "dbBrand", "Gustrel Wind Farm", 240, 36);
    policies(brand, 1, -1);
    h["child"].append(brand);
    h["child"].append(node("qtspacer", "headerGap"));
    Json::Value tabs = tabStrip("topTabs", true, 120);
    sized(tabs, 3 * 120 + 2 * 4, 36);
    policies(tabs, 1, 0);
    h["child"].append(tabs);
    Json::Value lang = node("qtbutton", "langButton");
    lang["style"].append(styleEntry("dbBtn", 1, 0));
    lang["style"].append(styleEntry("dbBtnText", 2, 4));
    lang["attr"]["text"] = "EN";
    sized(lang, 56, 36);
    policies(lang, 1, -1);
    h["child"].append(lang);
    return h;
}

Json::Value sideColumn()
{
    Json::Value side = container("side", "dbSide", 1, 8, 12);
    sized(side, 200, 10);
    policies(side, 1, 0);
    Json::Value nav = tabStrip("sideTabs", false, 40);
    sized(nav, 10, 2 * 40 + 4);
    policies(nav, 0, 1);
    side["child"].append(nav);
    side["child"].append(node("qtspacer", "sideGap"));
    Json::Value status = label("status", "dbTitle", "Simulated farm, 50 turbines", 10, 20);
    policies(status, 0, 1);
    side["child"].append(status);
    return side;
}

Json::Value figureCard(int i)
{
    static const char* titles[] = {"Total energy", "Active turbines", "Average wind speed", "Operating efficiency"};
    static const char* values[] = {"18.42 MWh", "46 / 50", "7.8 m/s", "92.4 %"};
    Json::Value card = container("card" + std::to_string(i), "dbCard", 1, 4, 12);
    ratio(card, 1);
    policies(card, -1, 0);
    Json::Value title = label("cardTitle" + std::to_string(i), "dbTitle", titles[i], 10, 18);
    policies(title, 0, 1);
    card["child"].append(title);
    Json::Value value = label("cardValue" + std::to_string(i), "dbValue", values[i], 10, 30);
    policies(value, 0, 1);
    card["child"].append(value);
    card["child"].append(progress("cardBar" + std::to_string(i), 40 + 15 * i, 8));
    return card;
}

// A column of a content row, sharing the row by weight, under a title.
Json::Value titledPanel(const std::string& name, int weight, int space, const char* caption)
{
    Json::Value panel = container(name, "dbPanel", 1, space, 14);
    ratio(panel, weight);
    policies(panel, -1, 0);
    Json::Value title = label(name + "Title", "dbTitle", caption, 10, 20);
    policies(title, 0, 1);
    panel["child"].append(title);
    return panel;
}

Json::Value conditionsPanel()
{
    static const char* names[] = {"Wind direction", "Temperature", "Humidity", "Air density", "Turbulence"};
    static const char* values[] = {"SW 226°", "14.2 °C", "63 %", "1.21 kg/m³", "Low"};
    Json::Value panel = titledPanel("conditions", 1, 6, "Atmospheric conditions");
    for (int i = 0; i < 5; ++i) {
        Json::Value row = container("condition" + std::to_string(i), nullptr, 0, 8, 0);
        sized(row, 10, 26);
        policies(row, 0, 1);
        Json::Value name = label("conditionName" + std::to_string(i), "dbBody", names[i], 150, 26);
        policies(name, 1, 0);
        row["child"].append(name);
        row["child"].append(node("qtspacer", "conditionGap" + std::to_string(i)));
        Json::Value value = label("conditionValue" + std::to_string(i), "dbValue", values[i], 120, 26);
        policies(value, 1, 0);
        row["child"].append(value);
        panel["child"].append(row);
    }
    return panel;
}

Json::Value outputPanel()
{
    // Stands where the energy chart goes: bars of a week, bottom-aligned by
    // docking each bar in its own column.
    Json::Value panel = titledPanel("output", 2, 8, "Energy output, last 7 days");
    Json::Value chart = container("outputBars", nullptr, 0, 10, 0);
    ratio(chart, 1);
    policies(chart, 0, -1);
    for (int d = 0; d < 7; ++d) {
        Json::Value column = container("day" + std::to_string(d), "dbClear", 3, 0, 0);
        ratio(column, 1);
        policies(column, -1, 0);
        Json::Value bar = node("qtcontainer", "dayBar" + std::to_string(d), "dbBarFill");
        sized(bar, 24, 30 + 17 * ((d * 5) % 7));
        bar["absoluteDockHor"] = 1;
        bar["absoluteDockVer"] = 2;
        column["child"].append(bar);
        chart["child"].append(column);
    }
    panel["child"].append(chart);
    return panel;
}

Json::Value stackPanel()
{
    Json::Value panel = container("stackPanel", "dbPanel", 1, 8, 10);
    ratio(panel, 1);
    policies(panel, -1, 0);
    Json::Value tabs = tabStrip("stackTabs", true, 96);
    sized(tabs, 10, 32);
    policies(tabs, 0, 1);
    panel["child"].append(tabs);
    Json::Value stack = node("qtstackcontainer", "pages", "dbClear");
    ratio(stack, 1);
    policies(stack, 0, -1);
    static const char* heads[] = {"Insight: output up 4 %", "Insight: T-17 vibration", "Insight: calm ahead"};
    for (int p = 0; p < 3; ++p) {
        Json::Value page = container("page" + std::to_string(p), "dbCard", 1, 6, 12);
        Json::Value head = label("pageHead" + std::to_string(p), "dbValue", heads[p], 10, 30);
        policies(head, 0, 1);
        page["child"].append(head);
        for (int line = 0; line < 4; ++line) {
            Json::Value body = label("pageLine" + std::to_string(p) + "_" + std::to_string(line), "dbBody",
                                     "Forecast note " + std::to_string(line + 1), 10, 20);
            policies(body, 0, 1);
            page["child"].append(body);
        }
        stack["child"].append(page);
    }
    panel["child"].append(stack);
    return panel;
}

Json::Value turbineView()
{
    Json::Value view = node("qtscrollview", "turbineView", "dbPanel");
    ratio(view, 2);
    policies(view, -1, 0);
    Json::Value vbar;
    vbar["type"] = "qtscrollbar";
    vbar["w"] = 10;
    for (const auto& s : {styleEntry("dbGroove", 1, 0), styleEntry("dbGroove", 1, 2), styleEntry("dbGroove", 1, 6),
                          styleEntry("dbThumb", 1, 10), styleEntry("dbThumbHot", 1, 11)})
        vbar["style"].append(s);
    view["child"].append(vbar);
    Json::Value hbar = vbar;
    hbar.removeMember("w");
    hbar["h"] = 10;
    hbar["attr"]["hor"] = true;
    view["child"].append(hbar);

    Json::Value grid = container("turbineGrid", "dbPanel", 2, 8, 8);
    sized(grid, kGridW, kGridH);
    for (int t = 0; t < kTiles; ++t) {
        const std::string id = std::to_string(t + 1);
        Json::Value tile = container("tile" + id, nullptr, 1, 4, 6);
        tile["style"].append(styleEntry(("dbTile" + std::to_string(t % 4)).c_str(), 1, 0));
        sized(tile, kTileW, kTileH);
        Json::Value name = label("tileName" + id, "dbBody", "T-" + id, 10, 18);
        policies(name, 0, 1);
        tile["child"].append(name);
        tile["child"].append(progress("tileBar" + id, (t * 37) % 100, 6));
        grid["child"].append(tile);
    }
    view["child"].append(grid);
    return view;
}

Json::Value dashboardPage()
{
    Json::Value root = container("root", "dbBack", 1, 0, 0);
    root["child"].append(header());
    Json::Value body = container("body", "dbBack", 0, 0, 0);
    ratio(body, 1);
    policies(body, 0, -1);
    body["child"].append(sideColumn());

    Json::Value content = container("content", "dbBack", 1, 12, 16);
    ratio(content, 1);
    policies(content, -1, 0);
    Json::Value figures = container("figures", nullptr, 0, 12, 0);
    sized(figures, 10, 104);
    policies(figures, 0, 1);
    for (int i = 0; i < 4; ++i)
        figures["child"].append(figureCard(i));
    content["child"].append(figures);

    Json::Value middle = container("middle", nullptr, 0, 12, 0);
    ratio(middle, 2);
    policies(middle, 0, -1);
    middle["child"].append(outputPanel());
    middle["child"].append(conditionsPanel());
    content["child"].append(middle);

    Json::Value bottom = container("bottom", nullptr, 0, 12, 0);
    ratio(bottom, 3);
    policies(bottom, 0, -1);
    bottom["child"].append(stackPanel());
    bottom["child"].append(turbineView());
    content["child"].append(bottom);
    body["child"].append(content);
    root["child"].append(body);

    Json::Value page;
    page["w"] = 1280;
    page["h"] = 800;
    page["resize"] = true;
    page["minW"] = 960;
    page["minH"] = 640;
    page["elements"].append(root);
    return page;
}

// --- checks --------------------------------------------------------------------

void shot(QWidget* w, const char* name)
{
    LayoutTest::shot(w, QLatin1String("dashboard-") + QLatin1String(name));
}

// Everything that depends on the window size, checked for one size.
void checkFrame(QWidget* win, QWidget* root)
{
    const int W = win->width();
    const int H = win->height();
    EXPECT_EQ(root->geometry(), QRect(0, 0, W, H));
    EXPECT_EQ(inWindow(findNamed(root, "header"), win), QRect(0, 0, W, 60));
    EXPECT_EQ(inWindow(findNamed(root, "side"), win), QRect(0, 60, 200, H - 60));
    // The header's spacer pushes the tabs and the button to the right edge.
    EXPECT_EQ(inWindow(findNamed(root, "langButton"), win).right(), W - 20 - 1);
    EXPECT_EQ(inWindow(findNamed(root, "status"), win).bottom(), H - 12 - 1);

    // Four figure cards share the content width by equal ratios.
    const int contentW = W - 200 - 2 * 16;
    int x = 200 + 16;
    for (int i = 0; i < 4; ++i) {
        const QRect card = inWindow(findNamed(root, "card" + std::to_string(i)), win);
        EXPECT_EQ(card.left(), x) << i;
        EXPECT_EQ(card.top(), 60 + 16);
        EXPECT_EQ(card.height(), 104);
        EXPECT_NEAR(card.width(), (contentW - 3 * 12) / 4, 3) << i;
        x = card.right() + 1 + 12;
    }
    EXPECT_EQ(x - 12, W - 16);

    // The middle and bottom rows share what is left 2 : 3.
    const int rest = H - 60 - 2 * 16 - 104 - 2 * 12;
    const QRect middle = inWindow(findNamed(root, "middle"), win);
    const QRect bottom = inWindow(findNamed(root, "bottom"), win);
    EXPECT_EQ(middle.height(), rest * 2 / 5);
    EXPECT_EQ(bottom.height(), rest - rest * 2 / 5);
    EXPECT_EQ(bottom.bottom(), H - 16 - 1);
    EXPECT_NEAR(findNamed(root, "output")->width(), 2 * findNamed(root, "conditions")->width(), 2);
    EXPECT_NEAR(findNamed(root, "turbineView")->width(), 2 * findNamed(root, "stackPanel")->width(), 2);

    // Bars stand on the chart's bottom edge, centred in their columns.
    QWidget* chart = findNamed(root, "outputBars");
    for (int d = 0; d < 7; ++d) {
        QWidget* column = findNamed(root, "day" + std::to_string(d));
        QWidget* bar = findNamed(root, "dayBar" + std::to_string(d));
        EXPECT_EQ(column->height(), chart->height());
        EXPECT_EQ(bar->geometry().bottom(), column->height() - 1) << d;
        EXPECT_NEAR(bar->geometry().center().x(), column->width() / 2, 1) << d;
    }

    // The current page fills the stack; hidden pages are sized too.
    auto* pages = findNamed<CVNQStackContainer>(root, "pages");
    for (int p = 0; p < pages->count(); ++p)
        EXPECT_EQ(pages->widget(p)->geometry(), QRect(QPoint(0, 0), pages->size())) << p;
}

} // namespace

TEST(DashboardPage, LaysOutSwitchesScrollsAndFollowsTheWindow)
{
    LayoutTest::initToolkit();
    registerStyles();
    QTemporaryDir dir;
    ASSERT_TRUE(
        TestUtil::writeFile(dir.path(), "dashboard.json", QByteArray::fromStdString(jsonStyled(dashboardPage()))));
    CVNQWindow win;
    CVNQContainer* root = cvnCreatePageByFileName(&win, dir.filePath("dashboard.json"));
    ASSERT_NE(root, nullptr);
    EXPECT_GE(root->findChildren<QWidget*>().size(), 3 * kTiles + 60);

    // What a page file cannot say: tab items, and which children are pages.
    auto* topTabs = findNamed<CVNQTabWidget>(root, "topTabs");
    auto* sideTabs = findNamed<CVNQTabWidget>(root, "sideTabs");
    auto* stackTabs = findNamed<CVNQTabWidget>(root, "stackTabs");
    auto* pages = findNamed<CVNQStackContainer>(root, "pages");
    auto* view = findNamed<CVNQScrollView>(root, "turbineView");
    ASSERT_TRUE(topTabs && sideTabs && stackTabs && pages && view);
    for (const char* t : {"Overview", "Turbines", "Forecast"})
        topTabs->addTab(QString::fromLatin1(t));
    for (const char* t : {"Dashboard", "Turbines"})
        sideTabs->addTab(QString::fromLatin1(t));
    for (const char* t : {"Output", "Health", "Weather"})
        stackTabs->addTab(QString::fromLatin1(t));
    ASSERT_EQ(pages->count(), 3); // the file's page nodes, first current
    EXPECT_EQ(pages->currentIndex(), 0);
    QObject::connect(stackTabs, &CVNQTabWidget::currentChanged, pages, &CVNQStackContainer::setCurrentIndex);

    win.show();
    pump();
    checkFrame(&win, root);
    shot(&win, "1-start");

    // The scroll view adopted the tile grid; the flow fills its rows.
    QWidget* grid = view->widget();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->objectName(), "turbineGrid");
    EXPECT_EQ(grid->size(), QSize(kGridW, kGridH));
    QWidget* last = findNamed(grid, "tile" + std::to_string(kTiles));
    EXPECT_EQ(last->geometry().topLeft(),
              QPoint(8 + (kTiles - 1) % kGridPerRow * (kTileW + 8), 8 + (kTiles - 1) / kGridPerRow * (kTileH + 8)));
    EXPECT_LE(findNamed(grid, "tile" + std::to_string(kGridPerRow))->geometry().right(), kGridW - 8 - 1);
    // Inside each tile its name and bar fill the width.
    QWidget* tileBar = findNamed(grid, "tileBar1");
    EXPECT_EQ(tileBar->geometry(), QRect(6, 6 + 18 + 4, kTileW - 12, 6));
    EXPECT_EQ(view->verticalScrollBar()->maximum(), kGridH - view->viewport()->height());

    // Switching the stack by its tabs.
    stackTabs->setSelectedIndex(1);
    pump();
    EXPECT_EQ(pages->currentIndex(), 1);
    EXPECT_TRUE(pages->widget(0)->isHidden());
    EXPECT_FALSE(pages->widget(1)->isHidden());

    // Scrolling the turbines to the end shows the last tile.
    view->setVScrollPos(view->verticalScrollBar()->maximum());
    pump();
    const QRect lastInView(last->mapTo(view->viewport(), QPoint(0, 0)), last->size());
    EXPECT_TRUE(view->viewport()->rect().contains(lastInView)) << lastInView.y();
    shot(&win, "2-scrolled");

    // Larger and smaller windows: the frame follows, the scroll range too.
    win.resize(1600, 1000);
    pump();
    checkFrame(&win, root);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), std::max(kGridH - view->viewport()->height(), 0));
    shot(&win, "3-large");

    win.resize(960, 640);
    pump();
    checkFrame(&win, root);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), kGridH - view->viewport()->height());
    view->setVScrollPos(300);
    pump();
    EXPECT_EQ(grid->y(), -300);
    // Too short for all its rows: the last condition rows are cut.
    EXPECT_LT(findNamed(root, "condition4")->height(), 26);
    shot(&win, "4-small");

    // Back at the first size the page looks as it did: rows that were cut
    // get their heights back.
    win.resize(1280, 800);
    pump();
    checkFrame(&win, root);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(findNamed(root, "condition" + std::to_string(i))->height(), 26) << i;
    EXPECT_EQ(findNamed(root, "pageHead1")->height(), 30);
    for (int d = 0; d < 7; ++d)
        EXPECT_EQ(findNamed(root, "dayBar" + std::to_string(d))->height(), 30 + 17 * ((d * 5) % 7)) << d;
    shot(&win, "5-back");
}
