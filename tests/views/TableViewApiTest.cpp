// The data grid's programming interface: defaults, setters and their
// limits, selected rows, template containers, check images, scroll bars
// (also after a caller replaced them), registration and demo contents.

#include "CVNQCheckBox.h"
#include "CVNQContainer.h"
#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQList.h"
#include "CVNQListView.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollView.h"
#include "CVNQTabWidget.h"
#include "CVNQTextEdit.h"
#include "CVNQTreeView.h"
#include "TableViewTestUtil.h"
#include "TestUtil.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QHeaderView>
#include <QItemDelegate>
#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace CVNQtLib;
using namespace TableTest;

class TableViewApi : public ::testing::Test
{
protected:
    void SetUp() override { initToolkit(); }
};

TEST_F(TableViewApi, CheckStampNeverShowsAndRowsStartUnfilled)
{
    CVNQTableView view;
    CVNQTableViewImpl* impl = view.getImpl();
    ASSERT_NE(impl->headerCheckBox, nullptr);
    EXPECT_TRUE(impl->headerCheckBox->isHidden());
    EXPECT_TRUE(impl->headerCheckBox->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_FALSE(impl->headerCheckBox->getShowText());
    // The stamp's backgrounds are the plain default fill style.
    const FillStyle plain;
    for (int s = 0; s < 4; ++s) {
        EXPECT_TRUE(fillStyleLooksEqual(impl->headerCheckBox->getBackground(s), plain)) << s;
        EXPECT_TRUE(fillStyleLooksEqual(impl->headerCheckBox->getCheckedBackground(s), plain)) << s;
    }
    for (int s = 0; s < 4; ++s)
        EXPECT_FALSE(view.getItemBackground(s).valid) << s;
    EXPECT_NE(view.themedScrollBar(true), nullptr);
    EXPECT_EQ(view.themedScrollBar(true)->orientation(), Qt::Horizontal);
    EXPECT_EQ(view.verticalHeader()->defaultSectionSize(), 20);
}

TEST_F(TableViewApi, ItemHeightIgnoresZeroAndNegative)
{
    CVNQTableView view;
    view.setItemHeight(0);
    view.setItemHeight(-7);
    EXPECT_EQ(view.getItemHeight(), 20);
    view.setItemHeight(33);
    EXPECT_EQ(view.getItemHeight(), 33);
    EXPECT_EQ(view.verticalHeader()->defaultSectionSize(), 33);
}

TEST_F(TableViewApi, PerStateSettersTakeFourForAllAndIgnoreOutOfRange)
{
    CVNQTableView view;
    const TextStyleDesc a = text("api_a", Qt::red);
    const TextStyleDesc b = text("api_b", Qt::blue);
    view.setItemTextStyle(CtrlStateAll, a);
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(view.getItemTextStyle(s).name, QString("api_a")) << s;

    view.setItemTextStyle(5, b);
    view.setItemTextStyle(-1, b);
    view.setHeaderTextStyle(99, b);
    view.setItemBackground(-3, fill("api_f", Qt::green));
    view.setHeaderBackground(6, fill("api_f", Qt::green));
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(view.getItemTextStyle(s).name, QString("api_a")) << s;
        EXPECT_TRUE(view.getHeaderTextStyle(s).name.isEmpty()) << s;
        EXPECT_FALSE(view.getItemBackground(s).valid) << s;
        EXPECT_TRUE(view.getHeaderBackground(s).name.isEmpty()) << s;
    }
    // Out-of-range reads are safe and answer the normal state.
    view.setItemTextStyle(CtrlStateHover, b);
    EXPECT_EQ(view.getItemTextStyle(4).name, QString("api_a"));
    EXPECT_EQ(view.getItemTextStyle(-1).name, QString("api_a"));
    EXPECT_EQ(view.getItemTextStyle(1).name, QString("api_b"));

    // The single background ignores its state argument.
    view.setBackground(1, fill("api_bg", Qt::gray));
    EXPECT_EQ(view.getBackground(0).name, QString("api_bg"));
}

TEST_F(TableViewApi, SelectedRowsListsEachRowOnce)
{
    CVNQTableView view;
    view.setModel(model(&view, 6, 4));
    view.setSelectionBehavior(QAbstractItemView::SelectItems);
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    QItemSelectionModel* sel = view.selectionModel();
    QAbstractItemModel* m = view.model();
    for (int c = 0; c < 4; ++c)
        sel->select(m->index(2, c), QItemSelectionModel::Select);
    sel->select(m->index(4, 1), QItemSelectionModel::Select);
    sel->select(m->index(4, 3), QItemSelectionModel::Select);
    QList<int> rows = view.selectedRows();
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (QList<int>{2, 4}));

    sel->clearSelection();
    EXPECT_TRUE(view.selectedRows().isEmpty());
}

TEST_F(TableViewApi, ColumnWidgetsAreHiddenReplacedRemovedAndNeverDangling)
{
    CVNQTableView view;
    view.setColumnWidget(3, nullptr); // no entry: nothing happens
    EXPECT_EQ(view.getColumnWidget(3), nullptr);

    QWidget owner;
    auto* first = new CVNQContainer(&owner);
    auto* second = new CVNQContainer(&owner);
    first->show();
    view.setColumnWidget(1, first);
    EXPECT_TRUE(first->isHidden());
    EXPECT_EQ(view.getColumnWidget(1), first);
    EXPECT_EQ(first->parent(), &owner); // not taken over

    view.setColumnWidget(1, second);
    EXPECT_EQ(view.getColumnWidget(1), second);
    EXPECT_TRUE(first->isHidden());

    // The owner deletes the container: the view no longer reaches it.
    delete second;
    EXPECT_EQ(view.getColumnWidget(1), nullptr);

    view.setColumnWidget(2, first);
    view.setColumnWidget(2, nullptr);
    EXPECT_EQ(view.getColumnWidget(2), nullptr);
    EXPECT_FALSE(view.getImpl()->columnWidgets.contains(2));
}

TEST_F(TableViewApi, CheckBoxImagesSetSizeOnlyWhenLoadable)
{
    QTemporaryDir dir;
    QImage box(18, 14, QImage::Format_ARGB32);
    box.fill(Qt::magenta);
    ASSERT_TRUE(box.save(dir.filePath("box.png")));
    const QString path = dir.filePath("box.png");

    CVNQTableView view;
    CVNQTableViewImpl* impl = view.getImpl();
    view.setCheckBoxImage(true, path);
    EXPECT_EQ(impl->checkImageSize, QSize(18, 14));
    EXPECT_EQ(view.getCheckBoxImage(true), path);
    EXPECT_EQ(impl->headerCheckBox->getCheckedIcon(), path);

    view.setCheckBoxImage(false, dir.filePath("missing.png"));
    EXPECT_EQ(impl->checkImageSize, QSize(18, 14));
    EXPECT_EQ(view.getCheckBoxImage(false), dir.filePath("missing.png"));
    EXPECT_EQ(impl->headerCheckBox->getUncheckIcon(), dir.filePath("missing.png"));

    // The designer's rows store the names only.
    view.setCheckedImage("other");
    EXPECT_EQ(view.getCheckedImage(), QString("other"));
    EXPECT_EQ(impl->headerCheckBox->getCheckedIcon(), path);
    view.setUncheckedImage("plain");
    EXPECT_EQ(view.getUncheckedImage(), QString("plain"));
}

TEST_F(TableViewApi, ScrollBarOperationsReachTheCurrentBars)
{
    CVNQTableView view;
    const FillStyle thumb = fill("api_thumb", QColor(10, 20, 30));
    view.setScrollbarThumbStyle(false, CtrlStateAll, thumb);
    view.setScrollbarButtonIcon(true, true, "left.svg");
    view.setScrollbarButtonStyle(true, false, CtrlStatePressed, thumb);
    view.setScrollbarThumb(false, "grip.svg");
    IconStyleDesc placement;
    placement.x = 3;
    view.setScrollbarButtonIconStyle(false, false, placement);
    view.setScrollbarBackgroundStyle(true, thumb);
    EXPECT_EQ(view.themedScrollBar(false)->getScrollbarThumb(2).name, QString("api_thumb"));
    EXPECT_EQ(view.themedScrollBar(true)->getScrollbarBtnIcon(true), QString("left.svg"));
    EXPECT_EQ(view.themedScrollBar(true)->getScrollbarDownButton(2).name, QString("api_thumb"));
    EXPECT_TRUE(view.themedScrollBar(true)->getScrollbarDownButton(0).name.isEmpty());
    EXPECT_EQ(view.themedScrollBar(false)->getScrollbarThumbIcon(), QString("grip.svg"));
    EXPECT_EQ(view.themedScrollBar(false)->getScrollbarIconStyle(false).x, 3);
    EXPECT_EQ(view.themedScrollBar(true)->getScrollbarBackground(0).name, QString("api_thumb"));

    // Every control with two toolkit bars styles the bar of the axis asked for.
    CVNQTreeView tree;
    CVNQListView listView;
    CVNQList list;
    CVNQScrollView scroll;
    CVNQTextEdit edit;
    const std::vector<std::pair<CVNQScrollBarForwarders*, QAbstractScrollArea*>> hosts = {
        {&view, &view}, {&tree, &tree}, {&listView, &listView}, {&list, &list}, {&scroll, &scroll}, {&edit, &edit}};
    for (const auto& [bars, area] : hosts) {
        bars->setScrollbarThumb(true, "across.svg");
        bars->setScrollbarThumb(false, "down.svg");
        EXPECT_EQ(bars->themedScrollBar(true), area->horizontalScrollBar()) << area->metaObject()->className();
        EXPECT_EQ(bars->themedScrollBar(false), area->verticalScrollBar()) << area->metaObject()->className();
        EXPECT_EQ(bars->themedScrollBar(true)->getScrollbarThumbIcon(), QString("across.svg"));
        EXPECT_EQ(bars->themedScrollBar(false)->getScrollbarThumbIcon(), QString("down.svg"));
        // A bar a caller installs in place of one (Qt deletes that) is the one styled.
        auto* own = new CVNQScrollBar(Qt::Vertical, nullptr);
        area->setVerticalScrollBar(own);
        bars->setScrollbarThumb(false, "own.svg");
        EXPECT_EQ(own->getScrollbarThumbIcon(), QString("own.svg")) << area->metaObject()->className();
    }

    // A caller installs its own bars; Qt deletes the view's.
    QPointer<QScrollBar> old = view.verticalScrollBar();
    auto* mine = new CVNQScrollBar(Qt::Vertical, nullptr);
    view.setVerticalScrollBar(mine);
    EXPECT_TRUE(old.isNull());
    view.setScrollbarThumbStyle(false, CtrlStateNormal, thumb);
    view.setScrollbarSize(false, 11);
    EXPECT_EQ(mine->getScrollbarThumb(0).name, QString("api_thumb"));
    EXPECT_TRUE(mine->styleSheet().contains("width:11;"));

    // A plain Qt bar takes the size sheet but no toolkit styles.
    auto* plain = new QScrollBar(Qt::Horizontal);
    view.setHorizontalScrollBar(plain);
    EXPECT_EQ(view.themedScrollBar(true), nullptr);
    view.setScrollbarThumbStyle(true, CtrlStateNormal, thumb);
    view.setScrollbarButtonIcon(true, false, "x.svg");
    view.setScrollbarSize(true, 9);
    EXPECT_TRUE(plain->styleSheet().contains("height:9;"));
}

namespace {

// Rows that arrive fifty at a time, as the view scrolls to the end.
class LazyRows : public QAbstractTableModel
{
public:
    int rows = 50;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : rows; }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(index.row()) : QVariant();
    }
    bool canFetchMore(const QModelIndex& parent) const override { return !parent.isValid() && rows < 200; }
    void fetchMore(const QModelIndex&) override
    {
        beginInsertRows(QModelIndex(), rows, rows + 49);
        rows += 50;
        endInsertRows();
    }
};

} // namespace

TEST_F(TableViewApi, ScrollingToTheEndFetchesMoreRowsAlsoOnReplacedBars)
{
    CVNQTableView view;
    LazyRows model;
    view.setModel(&model);
    view.resize(300, 200);
    ASSERT_TRUE(TestUtil::showExposed(&view));
    auto toEnd = [&] {
        QScrollBar* bar = view.verticalScrollBar();
        bar->setValue(bar->maximum());
        TestUtil::flushEvents();
    };
    toEnd();
    EXPECT_EQ(model.rows, 100);
    // The dashboard puts bars of its own in.
    view.setVerticalScrollBar(new CVNQScrollBar(Qt::Vertical, nullptr));
    TestUtil::flushEvents();
    toEnd();
    EXPECT_EQ(model.rows, 150);
    toEnd();
    EXPECT_EQ(model.rows, 200);
}

TEST_F(TableViewApi, DeletedPartsAreNeverReached)
{
    auto* view = new CVNQTableView;
    view->resize(200, 120);
    view->setModel(model(view, 5, 2));
    view->setCheckstyle(true);
    view->show();
    // Parts a caller deleted or replaced: painting, the check images and
    // destruction go on without them.
    delete view->getImpl()->headerCheckBox.data();
    view->setCheckBoxImage(true, "IDB_CHECKED");
    delete view->itemDelegate();
    view->setItemDelegate(new QItemDelegate(view));
    view->setCornerWidget(new QWidget);
    EXPECT_FALSE(view->grab().isNull());
    EXPECT_FALSE(view->horizontalHeader()->grab().isNull());
    delete view;
}

TEST_F(TableViewApi, ScrollBarSizeSheet)
{
    CVNQTableView view;
    view.setScrollbarBtnSize(true, 15);
    EXPECT_TRUE(view.verticalScrollBar()->styleSheet().isEmpty()); // stored only
    view.setScrollbarSize(true, 12);
    const QString sheet = view.horizontalScrollBar()->styleSheet();
    EXPECT_EQ(view.verticalScrollBar()->styleSheet(), sheet);
    EXPECT_TRUE(sheet.startsWith("QScrollBar::vertical{ width:12; } QScrollBar::horizontal{ height:12; }"));
    EXPECT_TRUE(sheet.contains("QScrollBar::sub-line:vertical{ width:15px;width:15px;subcontrol-origin: margin; }"));
}

TEST_F(TableViewApi, RegisteredWithPropertyTable)
{
    for (const char* name : {"qtdatagrid", "datagrid"}) {
        QWidget* w = createControlByTypeName(name, nullptr);
        EXPECT_NE(qobject_cast<CVNQTableView*>(w), nullptr) << name;
        delete w;
    }
    ControlInfo* info = cvnGetControlInfo("qtdatagrid");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->className, "CVNQTableView");
    QStringList names;
    for (const PropertyDef& row : info->properties)
        names << row.name;
    EXPECT_EQ(names.mid(7), (QStringList{"Background", "ItemBg", "TextStyle", "HeadItemBg", "HeadTextStyle",
                                         "ItemHeight", "CheckStyle", "CheckedImage", "UncheckedImage"}));

    // The rows reach the view's own accessors, per state where they have states.
    CVNQTableView view;
    TestUtil::propertyRow(info, "ItemHeight").setInt(&view, 41);
    EXPECT_EQ(view.getItemHeight(), 41);
    const PropertyDef& itemBg = TestUtil::propertyRow(info, "ItemBg");
    itemBg.setFillStyle(&view, 2, fill("api_sel", Qt::blue));
    EXPECT_EQ(view.getItemBackground(2).name, QString("api_sel"));
    EXPECT_FALSE(itemBg.getFillStyle(&view, 1).valid);
}

TEST_F(TableViewApi, DemoContentsOnlyInsideTheMakersTools)
{
    CVNQTableView outside;
    outside.initDemoData();
    EXPECT_EQ(outside.model(), nullptr);

    emulatorFlag() = true;
    CVNQTableView inside;
    inside.createComplete();
    emulatorFlag() = false;
    QAbstractItemModel* m = inside.model();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->parent(), &inside);
    EXPECT_EQ(m->rowCount(), 100);
    EXPECT_EQ(m->columnCount(), 5);
    EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), QString("Col1"));
    EXPECT_EQ(m->headerData(4, Qt::Horizontal).toString(), QString("Col5"));
    EXPECT_EQ(m->index(37, 4).data().toString(), QString("item 37 4"));

    // Every type built as a page builds it: the sample texts it holds (a
    // combo's current item starred), as written out here, and none outside.
    const auto texts = [](QWidget* w) {
        QStringList out;
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                out << combo->itemText(i) + (i == combo->currentIndex() ? "*" : "");
        if (auto* tabs = qobject_cast<CVNQTabWidget*>(w))
            for (int i = 0; i < tabs->getTabCount(); ++i)
                out << tabs->getTabText(i);
        const auto* view = qobject_cast<QAbstractItemView*>(w);
        const QAbstractItemModel* model = view ? view->model() : nullptr;
        for (int c = 0; model && qobject_cast<const QTableView*>(w) && c < model->columnCount(); ++c)
            out << model->headerData(c, Qt::Horizontal).toString();
        std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& parent) {
            for (int r = 0; model && r < model->rowCount(parent); ++r)
                for (int c = 0; c < model->columnCount(parent); ++c) {
                    out << model->index(r, c, parent).data().toString();
                    walk(model->index(r, c, parent));
                }
        };
        walk(QModelIndex());
        return out;
    };
    QStringList table = {"Col1", "Col2", "Col3", "Col4", "Col5"}, list, tree;
    for (int r = 0; r < 100; ++r) {
        for (int c = 0; c < 5; ++c)
            table << QString("item %1 %2").arg(r).arg(c);
        tree << "item1"
             << "item2"
             << "item3";
    }
    for (int i = 0; i < 20; ++i)
        list << QString("item %1").arg(i);
    const std::map<std::string, QStringList> samples = {{"qtcombobox", {"Item1*", "Item2", "Item3"}},
                                                        {"qtdatagrid", table},
                                                        {"qtlist", list},
                                                        {"qttab", {"item1", "item2", "item3"}},
                                                        {"qttree", tree}};
    for (bool emulator : {false, true}) {
        emulatorFlag() = emulator;
        for (const ControlInfo* info : cvnGetAllControlInfo()) {
            Json::Value node(Json::objectValue);
            node["type"] = info->typeName;
            std::unique_ptr<QWidget> w(createControlTree(node, nullptr));
            const auto sample = samples.find(info->typeName);
            const QStringList want = emulator && sample != samples.end() ? sample->second : QStringList();
            if (w)
                EXPECT_EQ(texts(w.get()).join('|').toStdString(), want.join('|').toStdString()) << info->typeName;
        }
    }
    emulatorFlag() = false;
}
