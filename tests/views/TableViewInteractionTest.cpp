// The data grid under the mouse, on the real window system (the template
// hit test reads the global cursor): cell and header check boxes, template
// clicks by control name, the hovered row and template hover; no item view
// flipping a check it does not draw.

#include "CVNQContainer.h"
#include "CVNQControlFactory.h"
#include "CVNQLabel.h"
#include "CVNQPushButton.h"
#include "TableViewTestUtil.h"
#include "TestUtil.h"

#include <QCursor>
#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace TableTest;

namespace {

const QColor kButton(0x00, 0x80, 0xFF);
const QColor kButtonHot(0xFF, 0x80, 0x00);
const QColor kButtonOff(0x60, 0x60, 0x60);

} // namespace

class TableViewInteraction : public ::testing::Test
{
protected:
    void SetUp() override
    {
        initToolkit();
        m_view.setGeometry(100, 100, 420, 300);
        m_model = showGrid(m_view);
    }

    QWidget* viewport() { return m_view.viewport(); }
    QPoint cellPoint(int row, int column, int dx, int dy)
    {
        const QRect r = m_view.visualRect(m_view.model()->index(row, column));
        return r.topLeft() + QPoint(dx, dy);
    }
    // Puts the real pointer over a viewport point; returns once the view has seen it there.
    void pointAt(const QPoint& viewportPos)
    {
        ASSERT_TRUE(TestUtil::movePointer(viewport()->mapToGlobal(viewportPos)));
    }

    // A template: "edit" button at the left, a nested container "inner"
    // holding the label "lbl" at the right.
    CVNQContainer* makeTemplate(QWidget* owner)
    {
        auto* container = new CVNQContainer(owner);
        container->setDrawBackground(false);
        container->setChildLayout(CVNQContainer::NoUse);
        auto* edit = new CVNQPushButton(container);
        edit->setObjectName("edit");
        edit->setBackground(CtrlStateAll, fill("it_btn", kButton));
        edit->setBackground(CtrlStateHover, fill("it_btn_hot", kButtonHot));
        edit->setGeometry(5, 5, 40, 20);
        auto* inner = new CVNQContainer(container);
        inner->setObjectName("inner");
        inner->setChildLayout(CVNQContainer::NoUse);
        inner->setGeometry(70, 2, 50, 26);
        auto* label = new CVNQLabel(inner);
        label->setObjectName("lbl");
        label->setGeometry(5, 3, 30, 20);
        return container;
    }

    CVNQTableView m_view;
    QStandardItemModel* m_model = nullptr;
};

TEST_F(TableViewInteraction, CellCheckBoxesFlipOnPressInsideTheirRectangle)
{
    // Check box off: a press at the left edge changes nothing.
    TestUtil::click(viewport(), cellPoint(1, 0, 10, 15));
    EXPECT_FALSE(m_model->index(1, 0).data(Qt::CheckStateRole).isValid());

    m_view.setCheckstyle(true);
    // Absent check state: the press stores true, as a bool.
    TestUtil::click(viewport(), cellPoint(1, 0, 10, 15));
    const QVariant v = m_model->index(1, 0).data(Qt::CheckStateRole);
    EXPECT_EQ(v.userType(), int(QMetaType::Bool));
    EXPECT_TRUE(v.toBool());
    TestUtil::click(viewport(), cellPoint(1, 0, 28, 3)); // still inside 5 .. 5 + 24
    EXPECT_FALSE(m_model->index(1, 0).data(Qt::CheckStateRole).toBool());
    // Outside the rectangle, and in other columns, nothing flips.
    TestUtil::click(viewport(), cellPoint(1, 0, 60, 15));
    TestUtil::click(viewport(), cellPoint(1, 0, 3, 15));
    TestUtil::click(viewport(), cellPoint(1, 1, 10, 15));
    EXPECT_FALSE(m_model->index(1, 0).data(Qt::CheckStateRole).toBool());
    EXPECT_FALSE(m_model->index(1, 1).data(Qt::CheckStateRole).isValid());
    // Space flips the selected row's box from whichever of its cells is current.
    TestUtil::key(&m_view, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_TRUE(m_model->index(1, 0).data(Qt::CheckStateRole).toBool());
    TestUtil::key(&m_view, Qt::Key_Space, Qt::NoModifier, " ");

    // A user-checkable item flips once per click, not back again on release.
    m_model->item(2, 0)->setCheckable(true);
    m_model->item(2, 0)->setData(false, Qt::CheckStateRole);
    TestUtil::click(viewport(), cellPoint(2, 0, 10, 15));
    EXPECT_TRUE(m_model->index(2, 0).data(Qt::CheckStateRole).toBool());

    // A template in column 0 draws no box, so none flips there.
    QWidget owner;
    m_view.setColumnWidget(0, makeTemplate(&owner));
    TestUtil::click(viewport(), cellPoint(2, 0, 10, 15));
    EXPECT_TRUE(m_model->index(2, 0).data(Qt::CheckStateRole).toBool());
}

TEST_F(TableViewInteraction, HeaderCheckBoxReportsItsState)
{
    QList<bool> reported;
    QList<QImage> shown; // what the header shows while the report's slots run
    QWidget* header = m_view.horizontalHeader()->viewport();
    QObject::connect(&m_view, &CVNQTableView::headerCheckedChanged, [&](bool on) {
        reported << on;
        shown << TestUtil::screenShot(header);
    });

    TestUtil::click(header, QPoint(10, 15)); // check box off: nothing
    EXPECT_TRUE(reported.isEmpty());

    m_view.setCheckstyle(true);
    const QImage unchecked = TestUtil::screenShot(header);
    TestUtil::click(header, QPoint(10, 15));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_NE(shown[0], unchecked); // the new check shows before the report goes out
    TestUtil::click(header, QPoint(20, 2));
    TestUtil::click(header, QPoint(60, 15)); // section text, not the box
    EXPECT_EQ(reported, (QList<bool>{true, false}));
    EXPECT_FALSE(m_view.getImpl()->headerChecked);
    // The cells are the user's business.
    EXPECT_FALSE(m_model->index(0, 0).data(Qt::CheckStateRole).isValid());

    // Section clicks keep sorting.
    m_view.setSortingEnabled(true);
    m_view.horizontalHeader()->setSectionsClickable(true);
    TestUtil::click(header, QPoint(200, 15));
    EXPECT_EQ(m_view.horizontalHeader()->sortIndicatorSection(), 1);

    // A slot may delete the view, its header with it, as it reports.
    auto* doomed = new CVNQTableView;
    showGrid(*doomed);
    doomed->setCheckstyle(true);
    QObject::connect(doomed, &CVNQTableView::headerCheckedChanged, [&doomed] { delete doomed, doomed = nullptr; });
    TestUtil::press(doomed->horizontalHeader()->viewport(), QPoint(10, 15));
    EXPECT_EQ(doomed, nullptr);
}

TEST_F(TableViewInteraction, TemplateClicksReportRowAndControlName)
{
    QWidget owner;
    CVNQContainer* container = makeTemplate(&owner);
    m_view.setColumnWidget(2, container);
    QList<QPair<int, QString>> clicks;
    QObject::connect(&m_view, &CVNQTableView::customControlClicked,
                     [&](int row, const QString& name) { clicks << qMakePair(row, name); });

    auto pressAt = [&](int row, int dx, int dy) {
        const QPoint p = cellPoint(row, 2, dx, dy);
        pointAt(p);
        TestUtil::click(viewport(), p);
    };
    pressAt(2, 20, 15);  // the button
    pressAt(4, 80, 15);  // the label inside "inner": the nested container answers
    pressAt(3, 60, 15);  // between the controls
    pressAt(3, 127, 15); // right margin
    ASSERT_EQ(clicks.size(), 2);
    EXPECT_EQ(clicks[0], qMakePair(2, QString("edit")));
    EXPECT_EQ(clicks[1], qMakePair(4, QString("inner")));

    // Rows are the view's rows, also over a proxy.
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(m_model);
    proxy.sort(0, Qt::DescendingOrder);
    m_view.setModel(&proxy);
    TestUtil::flushEvents();
    clicks.clear();
    pressAt(0, 20, 15);
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0].first, 0);

    // A deleted container reports nothing.
    delete container;
    clicks.clear();
    pressAt(1, 20, 15);
    EXPECT_TRUE(clicks.isEmpty());
}

// Over a sorted, filtered model a click on a row shown reaches that row's item: the check box it
// flips, the index it makes current and the template control it reports.
TEST_F(TableViewInteraction, ClicksInASortedFilteredViewReachTheItemUnderThePointer)
{
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(m_model);
    proxy.setFilterRegularExpression(QStringLiteral("^[0-9]*[13579] ")); // odd rows
    proxy.sort(0, Qt::DescendingOrder);
    m_view.setModel(&proxy);
    m_view.setCheckstyle(true);
    QWidget owner;
    m_view.setColumnWidget(2, makeTemplate(&owner));
    QList<int> reported, shown;
    QObject::connect(&m_view, &CVNQTableView::customControlClicked, [&](int row, const QString&) { reported << row; });
    TestUtil::flushEvents();
    for (int r = 0; r < proxy.rowCount(); ++r) {
        if (!viewport()->rect().contains(m_view.visualRect(proxy.index(r, 2))))
            continue;
        shown << r;
        TestUtil::click(viewport(), cellPoint(r, 0, 10, 15));
        TestUtil::click(viewport(), m_view.visualRect(proxy.index(r, 1)).center());
        EXPECT_EQ(m_view.currentIndex().siblingAtColumn(0).data(), proxy.index(r, 0).data()) << "row " << r;
        pointAt(cellPoint(r, 2, 20, 15));
        TestUtil::click(viewport(), cellPoint(r, 2, 20, 15));
    }
    ASSERT_GT(shown.size(), 3);
    EXPECT_EQ(reported, shown);
    for (int r = 0; r < m_model->rowCount(); ++r) // the rows shown are checked, and only they
        EXPECT_EQ(m_model->index(r, 0).data(Qt::CheckStateRole).toBool(),
                  shown.contains(proxy.mapFromSource(m_model->index(r, 0)).row()))
            << "source row " << r;
}

TEST_F(TableViewInteraction, TemplateClicksAreHitWhereThePressHappened)
{
    QWidget owner;
    m_view.setColumnWidget(2, makeTemplate(&owner));
    QStringList clicks;
    QObject::connect(&m_view, &CVNQTableView::customControlClicked, [&](int, const QString& name) { clicks << name; });
    // The pointer has moved on by the time the press is handled: away from
    // the pressed button, and onto a button beside the press.
    pointAt(cellPoint(6, 0, 20, 15));
    TestUtil::click(viewport(), cellPoint(2, 2, 20, 15));
    EXPECT_EQ(clicks, QStringList{"edit"});
    pointAt(cellPoint(3, 2, 20, 15));
    TestUtil::click(viewport(), cellPoint(3, 2, 60, 15));
    EXPECT_EQ(clicks, QStringList{"edit"});
}

TEST_F(TableViewInteraction, HoveredRowIsTheRowUnderThePointer)
{
    // The highlight on screen follows the pointer without lagging.
    const QColor normal(0x20, 0x40, 0x60), hot(0x30, 0x70, 0x30);
    m_view.setItemBackground(CtrlStateNormal, fill("it_row", normal));
    m_view.setItemBackground(CtrlStateHover, fill("it_hot", hot));
    auto looks = [&](int row) { return grabViewport(m_view).pixelColor(cellPoint(row, 1, 80, 15)); };
    TestUtil::move(viewport(), cellPoint(3, 1, 20, 10));
    EXPECT_EQ(m_view.getImpl()->hoveredRow, 3);
    EXPECT_EQ(looks(3), hot);
    TestUtil::move(viewport(), cellPoint(5, 0, 20, 10));
    EXPECT_EQ(m_view.getImpl()->hoveredRow, 5);
    EXPECT_EQ(looks(3), normal);
    EXPECT_EQ(looks(5), hot);
    TestUtil::leave(&m_view);
    EXPECT_EQ(m_view.getImpl()->hoveredRow, -1);
    EXPECT_EQ(looks(5), normal);

    // Onto the header or a scroll bar: the viewport is left, the view is not.
    TestUtil::move(viewport(), cellPoint(2, 1, 20, 10));
    TestUtil::leave(viewport());
    EXPECT_EQ(m_view.getImpl()->hoveredRow, -1);

    // The rows move under a resting pointer.
    pointAt(cellPoint(2, 1, 20, 10));
    EXPECT_EQ(m_view.getImpl()->hoveredRow, 2);
    m_view.verticalScrollBar()->setValue(3 * 30);
    EXPECT_EQ(m_view.getImpl()->hoveredRow, 5);

    // Below the last row no row is under the pointer.
    m_model->setRowCount(3);
    m_view.scrollToTop();
    TestUtil::move(viewport(), cellPoint(1, 1, 20, 10));
    EXPECT_EQ(m_view.getImpl()->hoveredRow, 1);
    TestUtil::move(viewport(), QPoint(60, 200));
    EXPECT_EQ(m_view.getImpl()->hoveredRow, -1);
}

TEST_F(TableViewInteraction, DisabledRowsAndHiddenControlsStillTakePresses)
{
    QWidget owner;
    CVNQContainer* container = makeTemplate(&owner);
    auto* edit = owner.findChild<CVNQPushButton*>("edit");
    edit->setBackground(CtrlStateDisabled, fill("it_btn_off", kButtonOff));
    m_view.setColumnWidget(2, container);
    m_view.setCheckstyle(true);
    for (int c = 0; c < 3; ++c)
        m_model->item(3, c)->setEnabled(false);
    QList<QString> clicks;
    QObject::connect(&m_view, &CVNQTableView::customControlClicked, [&](int, const QString& name) { clicks << name; });

    // A disabled item is neither painted disabled nor shut off from presses.
    TestUtil::click(viewport(), cellPoint(3, 0, 10, 15));
    EXPECT_TRUE(m_model->index(3, 0).data(Qt::CheckStateRole).toBool());
    pointAt(cellPoint(3, 2, 20, 15));
    TestUtil::click(viewport(), cellPoint(3, 2, 20, 15));
    EXPECT_EQ(clicks, QList<QString>{"edit"});
    pointAt(cellPoint(5, 0, 20, 15));
    const QImage img = grabViewport(m_view);
    const QRect disabledButton = m_view.visualRect(m_model->index(3, 2)).adjusted(8, 8, -90, -8);
    EXPECT_TRUE(hasColorIn(img, disabledButton, kButton, 2));
    EXPECT_FALSE(hasColorIn(img, disabledButton, kButtonOff, 2));

    // A hidden control in the template is walked like any other.
    edit->hide();
    clicks.clear();
    pointAt(cellPoint(2, 2, 20, 15));
    TestUtil::click(viewport(), cellPoint(2, 2, 20, 15));
    EXPECT_EQ(clicks, QList<QString>{"edit"});
}

TEST_F(TableViewInteraction, TemplateControlUnderThePointerDrawsHovered)
{
    QWidget owner;
    m_view.setColumnWidget(2, makeTemplate(&owner));
    pointAt(cellPoint(1, 2, 20, 15));
    const QImage img = grabViewport(m_view);
    auto buttonArea = [&](int row) {
        const QRect cell = m_view.visualRect(m_model->index(row, 2));
        return QRect(cell.left() + 8, cell.top() + 8, 30, 12);
    };
    EXPECT_TRUE(hasColorIn(img, buttonArea(1), kButtonHot, 2));
    EXPECT_FALSE(hasColorIn(img, buttonArea(1), kButton, 2));
    EXPECT_TRUE(hasColorIn(img, buttonArea(0), kButton, 2));
    EXPECT_TRUE(hasColorIn(img, buttonArea(2), kButton, 2));
    EXPECT_FALSE(hasColorIn(img, buttonArea(2), kButtonHot, 2));
    // Hover lives only while drawing: the control itself is back to normal.
    const auto* edit = owner.findChild<CVNQPushButton*>("edit");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(const_cast<CVNQPushButton*>(edit)->getControlImpl()->getState(), CtrlStateNormal);
}

// No item view draws Qt's check indicator, so no click or key near where Qt
// would put it changes a user-checkable item (the grid with its box off).
TEST(ItemViewChecks, NoViewChangesACheckStateItDoesNotDraw)
{
    initToolkit();
    for (const char* type : {"qtdatagrid", "qtlistview", "qtlist", "qttree"}) {
        QWidget host;
        auto* view = qobject_cast<QAbstractItemView*>(createControlByTypeName(type, &host));
        ASSERT_TRUE(view) << type;
        host.resize(300, 200);
        view->resize(300, 200);
        if (auto* list = qobject_cast<QListWidget*>(view)) {
            list->addItem(QStringLiteral("one"));
            list->item(0)->setFlags(list->item(0)->flags() | Qt::ItemIsUserCheckable);
        } else {
            auto* model = new QStandardItemModel(view);
            model->appendRow(new QStandardItem(QStringLiteral("one")));
            model->item(0)->setCheckable(true);
            view->setModel(model);
        }
        view->model()->setData(view->model()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
        ASSERT_TRUE(TestUtil::showExposed(&host));
        const QModelIndex first = view->model()->index(0, 0);
        const QRect cell = view->visualRect(first);
        for (int x : {2, 6, 10, 16, 22})
            TestUtil::click(view->viewport(), QPoint(cell.left() + x, cell.center().y()));
        TestUtil::doubleClick(view->viewport(), QPoint(cell.left() + 8, cell.center().y()));
        view->setCurrentIndex(first);
        TestUtil::key(view, Qt::Key_Space, Qt::NoModifier, " ");
        TestUtil::key(view, Qt::Key_Select);
        EXPECT_EQ(first.data(Qt::CheckStateRole).toInt(), Qt::Unchecked) << type;
        // The box the grid draws with its box on: the keyboard flips it as a press does.
        if (auto* grid = qobject_cast<CVNQTableView*>(view)) {
            grid->setCheckstyle(true);
            TestUtil::key(view, Qt::Key_Space, Qt::NoModifier, " ");
            EXPECT_TRUE(first.data(Qt::CheckStateRole).toBool());
            TestUtil::key(view, Qt::Key_Select);
            EXPECT_FALSE(first.data(Qt::CheckStateRole).toBool());
        }
        // An editor left open on the item shows what the model changes it to.
        view->openPersistentEditor(first);
        QWidget* editor = view->indexWidget(first);
        ASSERT_TRUE(editor) << type;
        view->model()->setData(first, QStringLiteral("changed"), Qt::EditRole);
        EXPECT_EQ(editor->metaObject()->userProperty().read(editor).toString(), "changed") << type;
    }
}
