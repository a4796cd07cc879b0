// The template list: rows painted from one container filled by a callback,
// presses and the cross-row text selection on the template's controls, the
// guarded template, hit-testing after scrolling and model changes, and its
// JSON node.

#include "CVNQContainer.h"
#include "CVNQControlInfo.h"
#include "CVNQControlFactory.h"
#include "CVNQLabelEx.h"
#include "CVNQLabelExImpl.h"
#include "CVNQList.h"
#include "CVNQListView.h"
#include "CVNQListViewItemDelegate.h"
#include "CVNQPushButton.h"
#include "CVNQScrollBar.h"
#include "CVNQtLib.h"
#include "TableViewTestUtil.h"

#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

using namespace CVNQtLib;
using namespace TableTest;

namespace {

const QColor kSelection(155, 202, 239);

void fillRow(const CVNQListView*, const QWidget* itemTemplate, const QModelIndex& index)
{
    if (auto* label = itemTemplate->findChild<CVNQLabelEx*>())
        label->setText(index.data().toString());
}

struct TemplateList
{
    CVNQListView view;
    QPointer<CVNQContainer> itemTemplate = new CVNQContainer(&view);
    QPointer<CVNQLabelEx> label = new CVNQLabelEx;
    QPointer<CVNQPushButton> button = new CVNQPushButton;
    QStandardItemModel* rows = nullptr;

    TemplateList(int count = 20)
    {
        initToolkit();
        QCursor::setPos(2000, 1500);
        view.setItemBackground(0, fill("lvNormal", QColor(250, 250, 250)));
        view.setItemBackground(1, fill("lvHover", QColor(220, 240, 220)));
        view.setItemBackground(2, fill("lvSelected", QColor(200, 210, 250)));
        view.setBackground(0, fill("lvBack", QColor(60, 60, 70)));
        itemTemplate->setChildLayout(CVNQContainer::Horizontal);
        itemTemplate->setChildPadding(4, 3, 4, 3);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        itemTemplate->addChildWidget(label, 1);
        button->setObjectName("open");
        button->setText("Open");
        button->setWidthPolicy(1);
        button->setFixedSize(60, 24);
        itemTemplate->addChildWidget(button, 0);
        view.setItemTemplate(itemTemplate);
        view.setItemDisplayCallBack(&fillRow);
        view.setItemHeight(30);
        view.setEnableSelection(true);
        rows = new QStandardItemModel(&view);
        for (int r = 0; r < count; ++r)
            rows->appendRow(new QStandardItem(QStringLiteral("Row %1 turbine report").arg(r)));
        view.setModel(rows);
        view.resize(360, 240);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    QPoint inRow(int row, int x) const { return QPoint(x, view.visualRect(rows->index(row, 0)).center().y()); }
    QPoint onButton(int row) const
    {
        const QRect r = view.visualRect(rows->index(row, 0));
        return QPoint(r.right() - 34, r.center().y());
    }
    QWidget* viewport() const { return view.viewport(); }
    QImage shot(const char* file)
    {
        QImage img = TestUtil::screenShot(view.viewport());
        img.save(TestUtil::shotPath(file));
        TestUtil::expectMatchesReference(img, QString(file).remove(".png"));
        return img;
    }
    QRect rowRect(int row) const { return view.visualRect(rows->index(row, 0)); }
};

} // namespace

TEST(ListView, PaintsEveryRowFromTheTemplateAndSelectsTextAcrossRows)
{
    TemplateList t;
    QSignalSpy pressed(&t.view, &CVNQListView::pressCtrl);

    // Press in row 3's label, drag up into row 1, release.
    const QPoint press = t.inRow(3, 60);
    TestUtil::press(t.viewport(), press);
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0).at(0).value<QWidget*>(), t.label.data());
    EXPECT_EQ(pressed.at(0).at(1).value<QModelIndex>().row(), 3);
    const QPoint focus = t.inRow(1, 50);
    TestUtil::move(t.viewport(), focus, Qt::LeftButton);
    TestUtil::release(t.viewport(), focus);
    CVNQListViewItemDelegate* d = t.view.getDelegate();
    EXPECT_EQ(d->anchorRow(), 3);
    EXPECT_EQ(d->focusRow(), 1);
    EXPECT_FALSE(d->isSelecting());
    // After the release the pointer no longer moves the selection.
    TestUtil::move(t.viewport(), t.inRow(4, 50));
    EXPECT_EQ(d->focusRow(), 1);

    const QImage img = t.shot("listview_template_rows.png");
    auto band = [&](int row, int x0, int x1) {
        const QRect r = t.rowRect(row);
        return QRect(x0, r.top(), x1 - x0, r.height());
    };
    EXPECT_FALSE(hasColorIn(img, t.rowRect(0), kSelection, 6));
    EXPECT_FALSE(hasColorIn(img, band(1, 0, focus.x() - 8), kSelection, 6));
    EXPECT_TRUE(hasColorIn(img, band(1, focus.x() + 4, 200), kSelection, 6));
    EXPECT_TRUE(hasColorIn(img, band(2, 0, 60), kSelection, 6));
    EXPECT_TRUE(hasColorIn(img, band(3, 0, press.x() - 4), kSelection, 6));
    EXPECT_FALSE(hasColorIn(img, band(3, press.x() + 8, 280), kSelection, 6));
    EXPECT_FALSE(hasColorIn(img, t.rowRect(4), kSelection, 6));
    // Item fills by state, the viewport background below the last row.
    EXPECT_TRUE(hasColorIn(img, t.rowRect(0), QColor(250, 250, 250), 2));
    EXPECT_TRUE(t.view.selectionModel()->isRowSelected(1, QModelIndex()));
    EXPECT_TRUE(hasColorIn(img, t.rowRect(1), QColor(200, 210, 250), 2));
    EXPECT_FALSE(hasColorIn(img, t.rowRect(2), QColor(200, 210, 250), 2));
    EXPECT_TRUE(hasColorIn(img, QRect(0, img.height() - 2, 10, 2), QColor(60, 60, 70), 2));
    // Each row's fill covers its whole rectangle (short of the viewport's
    // last column): its top, bottom and left lines are its state's fill.
    for (int row = 0; row < 4; ++row) {
        const QRect r = t.rowRect(row) & QRect(0, 0, img.width() - 1, img.height());
        const QColor want = row == 1 ? QColor(200, 210, 250) : QColor(250, 250, 250);
        for (const QRect& edge : {QRect(r.left(), r.top(), r.width(), 1), QRect(r.left(), r.bottom(), r.width(), 1),
                                  QRect(r.left(), r.top(), 1, r.height())})
            for (int y = edge.top(); y <= edge.bottom(); ++y)
                for (int x = edge.left(); x <= edge.right(); ++x)
                    ASSERT_TRUE(TestUtil::near(img.pixelColor(x, y), want, 2)) << row << " " << x << "," << y;
    }

    // A press on the template's own background or outside every control
    // reports nothing; a press on the button reports the button.
    TestUtil::press(t.viewport(), QPoint(t.rowRect(2).right() - 2, t.rowRect(2).top() + 1));
    // A press ends the text selection: its highlight leaves every row at once.
    EXPECT_FALSE(hasColorIn(t.shot("listview_selection_ended.png"), band(3, 0, press.x() - 4), kSelection, 6));
    TestUtil::press(t.viewport(), t.onButton(2));
    ASSERT_EQ(pressed.count(), 2);
    EXPECT_EQ(pressed.at(1).at(0).value<QWidget*>(), t.button.data());
    EXPECT_EQ(d->anchorRow(), -1);
    // The same rows as icons, wider than high (the shot compares with its reference).
    t.view.setViewMode(QListView::IconMode);
    t.view.setItemWidth(110);
    t.shot("listview_icon_mode.png");
}

TEST(ListView, HitsTemplateControlsWhereRowsAreAfterScrollingAndModelChanges)
{
    TemplateList t(60);
    QSignalSpy pressed(&t.view, &CVNQListView::pressCtrl);
    t.view.viewport()->grab();
    t.view.verticalScrollBar()->setValue(95);
    ASSERT_GT(t.view.verticalScrollBar()->value(), 0);
    const QModelIndex seventh = t.view.indexAt(t.view.viewport()->rect().center());
    TestUtil::press(t.viewport(), t.onButton(seventh.row()));
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0).at(0).value<QWidget*>(), t.button.data());
    EXPECT_EQ(pressed.at(0).at(1).value<QModelIndex>().row(), seventh.row());

    // New rows above: the row under the pointer and its text are the new ones.
    t.rows->insertRow(0, new QStandardItem("Inserted first"));
    t.rows->insertRow(0, new QStandardItem("Inserted second"));
    const int row = seventh.row();
    TestUtil::press(t.viewport(), t.inRow(row, 40));
    ASSERT_EQ(pressed.count(), 2);
    EXPECT_EQ(pressed.at(1).at(0).value<QWidget*>(), t.label.data());
    EXPECT_EQ(t.label->getImpl()->document()->toPlainText(), t.rows->index(row, 0).data().toString());
    EXPECT_EQ(t.view.getDelegate()->anchorRow(), row);
}

TEST(ListView, DrawsTheControlUnderThePointerHoveredUntilThePointerLeaves)
{
    TemplateList t;
    const QColor hot(240, 120, 40);
    t.button->setBackground(1, fill("lvButtonHot", hot));
    // The pointer is where the viewport's events put it, wherever the
    // window system's pointer rests.
    TestUtil::move(t.viewport(), t.onButton(2));
    QImage img = t.shot("listview_hovered_button.png");
    EXPECT_TRUE(hasColorIn(img, t.rowRect(2), hot, 2));
    EXPECT_FALSE(hasColorIn(img, t.rowRect(1), hot, 2));
    TestUtil::leave(t.viewport());
    EXPECT_FALSE(hasColorIn(t.shot("listview_left.png"), t.rowRect(2), hot, 2));

    // Entered under a resting pointer: the control shows hovered without a move.
    const QPoint rest = t.onButton(1);
    TestUtil::enter(t.viewport(), rest);
    EXPECT_TRUE(hasColorIn(t.shot("listview_entered.png"), t.rowRect(1), hot, 2));
}

TEST(ListView, RefusesTemplatesThatAreNoContainerAndSurvivesDeletedControls)
{
    TemplateList t;
    QSignalSpy pressed(&t.view, &CVNQListView::pressCtrl);
    QLabel plain;
    t.view.setItemTemplate(&plain);
    t.view.setItemTemplate(nullptr);
    EXPECT_EQ(t.view.getitemTemplate(), t.itemTemplate.data());

    // The label takes the deleted button's place.
    delete t.button;
    t.view.viewport()->grab();
    TestUtil::press(t.viewport(), t.onButton(2));
    TestUtil::move(t.viewport(), t.onButton(2));
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0).at(0).value<QWidget*>(), t.label.data());

    delete t.itemTemplate;
    EXPECT_EQ(t.view.getitemTemplate(), nullptr);
    const QImage img = t.shot("listview_no_template.png");
    EXPECT_FALSE(hasColorIn(img, t.rowRect(0), QColor(250, 250, 250), 2));
    TestUtil::press(t.viewport(), t.inRow(1, 40));
    EXPECT_EQ(pressed.count(), 1);
    // Without a template the size callback is not asked.
    t.view.setItemForSizeCallBack(
        [](const CVNQListView*, const QStyleOptionViewItem&, const QModelIndex&) { return QSize(5, 99); });
    t.view.setItemHeight(0);
    EXPECT_EQ(t.view.itemDelegate()->sizeHint(QStyleOptionViewItem(), t.rows->index(0, 0)).height(), 20);
    // Rows take the item sizes in both modes, 20 for one not set; a list
    // row the view's width.
    for (const QListView::ViewMode mode : {QListView::ListMode, QListView::IconMode}) {
        for (const QSize& item : {QSize(0, 0), QSize(70, 40)}) {
            t.view.setViewMode(mode);
            t.view.setItemWidth(item.width());
            t.view.setItemHeight(item.height());
            const int width = mode == QListView::ListMode ? t.viewport()->width() : item.width() ? item.width() : 20;
            EXPECT_EQ(t.rowRect(1).size(), QSize(width, item.height() ? item.height() : 20)) << mode;
        }
    }
}

TEST(ListView, DemonstrationModelOnlyInTheMakersToolsAndOwnedByTheView)
{
    initToolkit();
    CVNQListView view;
    view.initDemoData();
    EXPECT_EQ(view.model(), nullptr);
    emulatorFlag() = true;
    view.initDemoData();
    emulatorFlag() = false;
    ASSERT_NE(view.model(), nullptr);
    EXPECT_EQ(view.model()->parent(), &view);
    EXPECT_EQ(view.model()->rowCount(), 20);
}

TEST(ListView, JsonNodeKeepsEveryItemFillAndTreatsWrongTypesAsAbsent)
{
    initToolkit();
    const FillStyle a = fill("lvA", QColor(10, 20, 30));
    const FillStyle b = fill("lvB", QColor(40, 50, 60));
    fill("lvBack", QColor(60, 60, 70));

    CVNQListView fresh;
    Json::Value node;
    fresh.serializeJsonValue(&node, false);
    EXPECT_EQ(node["attr"]["spacing"].asInt(), 1);
    EXPECT_EQ(node["attr"]["itemMode"].asInt(), 0);
    EXPECT_FALSE(node["attr"].isMember("itemHeight") || node["attr"].isMember("itemWidth"));

    // Four alike fills, the disabled one included, come back.
    CVNQListView four;
    four.setItemBackground(4, b); // every state
    EXPECT_EQ(four.getItemBackground(3).name, "lvB");
    for (int s = 0; s < 4; ++s)
        four.setItemBackground(s, a);
    Json::Value written;
    four.serializeJsonValue(&written, false);
    CVNQListView back;
    back.readJsonValue(&written);
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(back.getItemBackground(s).name, "lvA") << s;

    // A named state after an unnamed one survives the compact form.
    CVNQListView gap;
    gap.setItemBackground(0, a);
    gap.setItemBackground(1, FillStyle());
    gap.setItemBackground(2, b);
    Json::Value gapNode;
    gap.serializeJsonValue(&gapNode, false);
    CVNQListView gapBack;
    gapBack.readJsonValue(&gapNode);
    EXPECT_EQ(gapBack.getItemBackground(2).name, "lvB");

    // Slots: 2 fills normal, hover and selected; 5 the disabled fill; 1 and
    // 14 nothing. "itemMode" 2 is icon mode, written back as 1.
    Json::Value slotNode =
        TestUtil::json(R"({"style": [["lvBack",1,0],["lvA",1,2],["lvB",1,5],["lvB",1,1],["lvB",1,14]],
        "attr": {"itemMode": 2, "itemHeight": 44}})");
    CVNQListView s;
    s.readJsonValue(&slotNode);
    EXPECT_EQ(s.getBackground(0).name, "lvBack");
    EXPECT_EQ(s.getItemBackground(2).name, "lvA");
    EXPECT_EQ(s.getItemBackground(3).name, "lvB");
    EXPECT_EQ(s.viewMode(), QListView::IconMode);
    Json::Value again;
    s.serializeJsonValue(&again, false);
    EXPECT_EQ(again["attr"]["itemMode"].asInt(), 1);
    EXPECT_EQ(again["attr"]["itemHeight"].asInt(), 44);

    // Wrongly typed keys change nothing and never throw.
    Json::Value bad = TestUtil::json(R"({"style": [[1,2,"x"], "lvA", ["lvB", 1, "5"]],
        "attr": {"itemHeight": "tall", "spacing": [3], "itemMode": {}, "itemWidth": null},
        "child": [{"type": 7}, {"type": "scrollbar", "attr": {"hor": "yes", "size": "big"}, "w": "wide"}]})");
    CVNQListView typed;
    EXPECT_NO_THROW(typed.readJsonValue(&bad));
    EXPECT_EQ(typed.getItemHeight(), 20);
    EXPECT_EQ(typed.spacing(), 1);
    EXPECT_EQ(typed.viewMode(), QListView::ListMode);
    EXPECT_NE(typed.getItemBackground(3).name, "lvB");

    // An absent or null "attr" has every key, here and in the plain list.
    for (const char* text : {"{}", R"({"attr": null})"}) {
        Json::Value lenient = TestUtil::json(text);
        CVNQListView zero;
        CVNQList list;
        zero.setViewMode(QListView::IconMode);
        list.setIsMultiSelected(true);
        zero.readJsonValue(&lenient);
        list.readJsonValue(&lenient);
        EXPECT_EQ(std::make_tuple(zero.getItemHeight(), zero.getItemWidth(), zero.spacing(), zero.viewMode(),
                                  list.getItemHeight(), list.getIsMultiSelected()),
                  std::make_tuple(0, 0, 0, QListView::ListMode, 0, false))
            << text;
    }
}

TEST(ListView, PagesBuildItByItsNamesWithItsTemplateAndBars)
{
    initToolkit();
    for (const char* name : {"qtlistview", "listview", "templateList"}) {
        std::unique_ptr<QWidget> w(createControlByTypeName(name, nullptr));
        EXPECT_NE(qobject_cast<CVNQListView*>(w.get()), nullptr) << name;
    }
    const ControlInfo* info = cvnGetControlInfo("qtlistview");
    ASSERT_NE(info, nullptr);
    ASSERT_EQ(info->properties.size(), 13u);
    EXPECT_EQ(info->properties.back().name, "ItemMode");
    EXPECT_EQ(info->key, "templatelist");

    QWidget host;
    Json::Value node = TestUtil::json(R"({"type": "listview", "child": [
        {"type": "scrollbar", "attr": {"hor": false, "size": 9}, "w": 7},
        {"type": "qtcontainer", "name": "row", "child": [{"type": "qtlabelex", "name": "text"}]}]})");
    auto* view = qobject_cast<CVNQListView*>(createControlTree(node, &host));
    ASSERT_NE(view, nullptr);
    ASSERT_NE(view->getitemTemplate(), nullptr);
    EXPECT_EQ(view->getitemTemplate()->objectName(), "row");
    EXPECT_TRUE(view->getitemTemplate()->isHidden());
    EXPECT_EQ(view->getDelegate()->templateControlCount(), 2);
    EXPECT_TRUE(view->findChildren<CVNQScrollBar*>(QString(), Qt::FindDirectChildrenOnly).isEmpty());
    EXPECT_TRUE(view->verticalScrollBar()->styleSheet().contains("width:7;"));
}

TEST(ListView, WritesItsTemplateAsBuiltAndReadsItBackIntoTheSameRows)
{
    initToolkit();
    QCursor::setPos(2000, 1500);
    fill("lvNormal", QColor(250, 250, 250));
    const Json::Value page = TestUtil::json(R"({"type": "qtlistview", "style": [["lvNormal", 1, 2]],
        "child": [{"type": "qtcontainer", "w": 300, "h": 30, "attr": {"paddingLeft": 4},
                   "child": [{"type": "qtlabelex", "attr": {"text": "as built"}}]}]})");
    QStandardItemModel rows;
    for (int r = 0; r < 12; ++r)
        rows.appendRow(new QStandardItem(QStringLiteral("Report %1").arg(r)));
    // Builds the view from node, paints its rows and writes it back. The
    // view lives in a window sized before it is first shown: a top-level
    // view would be shown by its reader at a default size, and the window
    // system's late answer to that could undo a resize.
    auto paintAndWrite = [&](const Json::Value& node, Json::Value& written) {
        QWidget host;
        host.resize(360, 240);
        auto* view = qobject_cast<CVNQListView*>(createControlTree(node, &host));
        view->setItemDisplayCallBack(&fillRow);
        view->setModel(&rows);
        view->setGeometry(0, 0, 360, 240);
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
        const QImage img = view->viewport()->grab().toImage();
        view->serializeJsonValue(&written, false);
        return img;
    };
    for (const bool withChildren : {true, false}) {
        cvnEnableSerializeChild(withChildren);
        Json::Value written, again;
        const QImage first = paintAndWrite(page, written);
        ASSERT_EQ(jsonSize(written["child"]), 1);
        EXPECT_EQ(written["child"][0]["w"].asInt(), 300);
        EXPECT_EQ(written["child"][0]["child"][0]["attr"]["text"].asString(), "as built");
        EXPECT_TRUE(
            hasColorIn(first.convertToFormat(QImage::Format_RGB32), QRect(0, 0, 300, 30), QColor(250, 250, 250), 2));
        EXPECT_EQ(paintAndWrite(written, again), first) << withChildren;
        EXPECT_EQ(again, written);
    }
    cvnEnableSerializeChild(true);
}
