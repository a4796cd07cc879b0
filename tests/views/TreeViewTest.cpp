// The themed tree: a theme entry applied by a refresh, cells with icons in
// every look, the background on the viewport, demonstration rows, its node
// read and written, and registration.

#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQScrollBar.h"
#include "CVNQTreeView.h"
#include "CVNQTreeViewImpl.h"
#include "TableViewTestUtil.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPainter>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace TableTest;

namespace {

const QColor kBack(18, 22, 30);
const QColor kRow(30, 36, 48);
const QColor kHover(52, 64, 88);
const QColor kSelected(47, 111, 235);

QString appIcon(const char* name)
{
    return TestUtil::sourcePath(QStringLiteral("app/icons/") + QString::fromLatin1(name));
}

} // namespace

TEST(TreeView, ThemedRowsWithIconsInEveryLook)
{
    initToolkit();
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/style.json", R"({"style": [
        {"type": 1, "name": "trBack", "drawImg": false, "clr": "FF12161E"},
        {"type": 1, "name": "trRow", "drawImg": false, "clr": "FF1E2430"},
        {"type": 1, "name": "trHover", "drawImg": false, "clr": "FF344058"},
        {"type": 1, "name": "trSelected", "drawImg": false, "clr": "FF2F6FEB"},
        {"type": 2, "name": "trText", "clr": "FFE6EAF0", "size": 13}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/theme.json", R"({"elements": [{"child": [
        {"name": "qttree", "style": [["trBack", 1, 0], ["trRow", 1, 2], ["trHover", 1, 3], ["trSelected", 1, 4],
                                     ["trText", 2, 6]],
         "attr": {"itemHeight": 30}}]}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "empty/theme.json", R"({"elements": []})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "empty/style.json", R"({"style": []})"));
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    ASSERT_TRUE(rm->loadThemeDir(dir.filePath("theme")));

    QWidget window;
    window.setGeometry(120, 120, 360, 300);
    auto* tree = new CVNQTreeView(&window);
    tree->setGeometry(0, 0, 360, 300);
    // The constructor takes no theme entry; a refresh does.
    EXPECT_TRUE(tree->getItemBackground(0).name.isEmpty());
    tree->getControlBase()->refreshTheme();
    EXPECT_EQ(tree->getItemBackground(3).name, QString("trRow"));
    EXPECT_EQ(tree->getItemHeight(), 30);

    // Outside the maker's tools a new view has no model.
    EXPECT_EQ(tree->model(), nullptr);
    auto* model = new QStandardItemModel(tree);
    const QStringList names = {"Wind farm", "Turbines", "Alerts", "Weather"};
    const QVariant decorations[] = {QIcon(appIcon("turbine.svg")), appIcon("alert.svg"), QColor(Qt::red), QVariant()};
    for (int i = 0; i < 4; ++i) {
        auto* item = new QStandardItem(names[i]);
        if (decorations[i].isValid())
            item->setData(decorations[i], Qt::DecorationRole);
        item->appendRow(new QStandardItem(QStringLiteral("T-%1").arg(i + 1, 2, 10, QChar('0'))));
        model->appendRow(item);
    }
    tree->setModel(model);
    tree->expandAll();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    TestUtil::LogCapture log;
    const QModelIndex selected = model->index(2, 0);
    const QModelIndex hovered = model->index(1, 0);
    tree->setCurrentIndex(selected);
    QCursor::setPos(tree->viewport()->mapToGlobal(tree->visualRect(hovered).center()));
    // The hovered row repaints once the view notices the pointer.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        const QImage probe = tree->viewport()->grab().toImage();
        return hasColorIn(probe, tree->visualRect(hovered), kHover, 2);
    }));
    const QImage img = tree->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QStringList painterWarnings = log.take().filter(QLatin1String("QPainter"));
    EXPECT_TRUE(painterWarnings.isEmpty()) << qPrintable(painterWarnings.join('\n'));
    img.save(TestUtil::shotPath("corvane-tree.png"));
    TestUtil::expectMatchesReference(img, "tree");

    // Rows are 30 px; selection (state 2), hover (1), normal (0), and the
    // background below the last row.
    const QRect first = tree->visualRect(model->index(0, 0));
    EXPECT_EQ(first.height(), 30);
    EXPECT_TRUE(hasColorIn(img, tree->visualRect(selected), kSelected, 2));
    EXPECT_TRUE(hasColorIn(img, first, kRow, 2));
    const int lastBottom = tree->visualRect(model->index(0, 0, model->index(3, 0))).bottom();
    EXPECT_TRUE(hasColorIn(img, QRect(0, lastBottom + 5, 300, 5), kBack, 2));
    // The red decoration draws nothing, but its text starts after the
    // 24 px icon column of 30 px rows.
    const QRect red = tree->visualRect(model->index(2, 0));
    EXPECT_FALSE(hasColorIn(img, red, Qt::red, 30));
    const QRect plain = tree->visualRect(model->index(3, 0));
    const int plainText = leftmostColor(img, plain.top(), plain.bottom(), QColor(0xE6, 0xEA, 0xF0), 50);
    const int redText = leftmostColor(img, red.top() + 1, red.bottom() - 1, QColor(0xE6, 0xEA, 0xF0), 50);
    EXPECT_GE(redText - plainText, 24);

    // Demonstration rows only inside the maker's tools, owned by the view.
    CVNQTreeView demo;
    demo.initDemoData();
    EXPECT_EQ(demo.model(), nullptr);
    emulatorFlag() = true;
    demo.initDemoData();
    emulatorFlag() = false;
    ASSERT_NE(demo.model(), nullptr);
    EXPECT_EQ(demo.model()->parent(), &demo);
    EXPECT_EQ(demo.model()->rowCount(), 100);
    ASSERT_TRUE(rm->loadThemeDir(dir.filePath("empty")));
}

TEST(TreeView, RowsAreTheItemHeightAndAsWideAsTheirTextsAndIcons)
{
    initToolkit();
    CVNQTreeView tree;
    const TextStyleDesc style = text("rsText", Qt::white, 0, 15);
    tree.setItemTextStyle(0, style);
    tree.setItemHeight(30);
    auto* model = new QStandardItemModel(&tree);
    auto* parent = new QStandardItem(QIcon(appIcon("turbine.svg")), "Wind farm");
    // Three lines would make Qt's own measure taller than the row.
    parent->appendRow(new QStandardItem("One\nTwo\nThree"));
    model->appendRow(parent);
    tree.setModel(model);
    const QModelIndex farm = model->index(0, 0);
    auto width = [&](const QString& s) { return CVNQWidgetBaseImpl::getTextSize(s, style).width(); };
    auto hint = [&](const QModelIndex& index) { return tree.itemDelegate()->sizeHint(QStyleOptionViewItem(), index); };
    EXPECT_EQ(hint(farm), QSize(4 + width("Wind farm") + 4 + 24, 30));
    EXPECT_EQ(hint(model->index(0, 0, farm)), QSize(4 + width("One\nTwo\nThree"), 30));

    // The view knows every row is that high: it scrolls per pixel over
    // rows x height.
    EXPECT_TRUE(tree.uniformRowHeights());
    tree.resize(300, 40);
    tree.show();
    tree.expandAll();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));
    EXPECT_EQ(tree.visualRect(model->index(0, 0, farm)).height(), 30);
    EXPECT_EQ(tree.verticalScrollBar()->maximum(), 2 * 30 - tree.viewport()->height());
}

TEST(TreeView, NodeReadWriteSettersAndRegistration)
{
    initToolkit();
    fill("tvA", Qt::red);
    fill("tvB", Qt::green);
    text("tvT", Qt::black);

    CVNQTreeView tree;
    Json::Value node = TestUtil::json(R"({"style": [["tvA", 1, 1], ["tvA", 1, 2], ["tvB", 1, 4], ["tvT", 2, 6],
        ["tvB", 1, 10], ["tvB", 1, 0]],
        "child": [{"type": "qtscrollbar", "w": 10, "h": 14, "attr": {"hor": true}}, {"w": 9}],
        "attr": {"itemHeight": 26}})");
    ASSERT_TRUE(tree.readJsonValue(&node));
    EXPECT_EQ(tree.getBackground(0).name, QString("tvB"));
    EXPECT_EQ(tree.getItemBackground(3).name, QString("tvA"));
    EXPECT_EQ(tree.getItemBackground(2).name, QString("tvB"));
    EXPECT_EQ(tree.getItemTextStyle(3).name, QString("tvT"));
    EXPECT_EQ(tree.getItemHeight(), 26);
    // A horizontal bar node: its "h" is the thickness of both bars.
    EXPECT_TRUE(tree.verticalScrollBar()->styleSheet().contains("width:14;"));
    // A mistyped "attr" or value is absent; an "attr" of null has every key.
    node = TestUtil::json(R"({"attr": {"itemHeight": "tall"}, "style": {"a": 1}})");
    ASSERT_TRUE(tree.readJsonValue(&node));
    EXPECT_EQ(tree.getItemHeight(), 26);
    node = TestUtil::json(R"({"attr": null})");
    ASSERT_TRUE(tree.readJsonValue(&node));
    EXPECT_EQ(tree.getItemHeight(), 0);

    // Every per-state setter takes 0 to 3, and 4 for all four.
    tree.setItemTextStyle(-1, text("tvX", Qt::black));
    EXPECT_NE(tree.getItemTextStyle(0).name, QString("tvX"));
    tree.setItemBackground(CtrlStateAll, fill("tvB", Qt::green));
    EXPECT_EQ(tree.getItemBackground(3).name, QString("tvB"));
    tree.setHeaderBgStyle(CtrlStateAll, fill("tvA", Qt::red));
    EXPECT_EQ(tree.getImpl()->headerBackgrounds[3].name, QString("tvA"));

    // Writing: the styles read back; the height unless it is 20.
    Json::Value written;
    ASSERT_TRUE(tree.serializeJsonValue(&written, false));
    EXPECT_EQ(written["attr"]["itemHeight"].asInt(), 0);
    CVNQTreeView back;
    ASSERT_TRUE(back.readJsonValue(&written));
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(back.getItemBackground(s).name, tree.getItemBackground(s).name) << s;
    tree.setItemHeight(20);
    written = Json::Value();
    ASSERT_TRUE(tree.serializeJsonValue(&written, false));
    EXPECT_FALSE(written.isMember("attr"));

    // A page builds it by its alias; its scroll-bar entries leave no stray
    // bar control behind.
    QWidget page;
    Json::Value pageNode = TestUtil::json(R"({"type": "tree", "child": [{"type": "qtscrollbar", "w": 12}]})");
    auto* built = qobject_cast<CVNQTreeView*>(createControlTree(pageNode, &page));
    ASSERT_NE(built, nullptr);
    EXPECT_TRUE(built->findChildren<CVNQScrollBar*>(QString(), Qt::FindDirectChildrenOnly).isEmpty());
    ControlInfo* info = cvnGetControlInfo("qttree");
    ASSERT_NE(info, nullptr);
    ASSERT_EQ(info->properties.size(), 11u);
    EXPECT_EQ(info->properties[10].name, QString("ItemHeight"));
}
