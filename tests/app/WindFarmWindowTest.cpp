// The dashboard window: figures and tables from the snapshot, filters and
// sorting, selection that survives the ticks, both drawers and their slide,
// the add-turbine form and its checks, and the language switch.

#include "AppTestSupport.h"
#include "CVNQComboBox.h"
#include "CVNQContainer.h"
#include "CVNQImage.h"
#include "CVNQLabel.h"
#include "CVNQLineChart.h"
#include "CVNQLineChartImpl.h"
#include "CVNQLineEdit.h"
#include "CVNQOpenGLPieChart.h"
#include "CVNQOpenGLPieChartImpl.h"
#include "CVNQPushButton.h"
#include "CVNQScrollBar.h"
#include "CVNQSwitchImpl.h"
#include "CVNQTableView.h"
#include "TestUtil.h"
#include "TurbineDetailDrawer.h"
#include "TurbineFilterProxyModel.h"
#include "WindFarmSimulator.h"
#include "WindFarmTurbinesPage.h"
#include "WindDrawer.h"
#include "WindFarmWindow.h"
#include "WindToggleSwitch.h"

#include <QClipboard>
#include <QAbstractProxyModel>
#include <QDateTime>
#include <QHeaderView>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QStandardItemModel>
#include <QSvgRenderer>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace CVNQtLib;

namespace {

class WindFarmWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AppTest::startToolkit());
        window = std::make_unique<WindFarmWindow>();
        // Ticks come from the tests, not from the clock.
        window->getSimulator()->stop();
        window->resize(1440, 900);
        ASSERT_TRUE(TestUtil::showExposed(window.get()));
    }

    template <class T>
    T* child(const char* name) const
    {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QString labelText(const char* name) const { return child<CVNQLabel>(name)->text(); }
    QAbstractItemModel* turbineRows() const { return child<CVNQTableView>("turbineTable")->model(); }

    // Centre of a row of the turbine table, in its viewport.
    QPoint rowPoint(int row) const
    {
        CVNQTableView* table = child<CVNQTableView>("turbineTable");
        return table->visualRect(table->model()->index(row, 1)).center();
    }

    // What the screen shows of the window's part r.
    QImage onScreen(const QRect& r) const
    {
        return window->screen()->grabWindow(window->winId(), r.x(), r.y(), r.width(), r.height()).toImage();
    }
    QRect areaOf(QWidget* w) const { return QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size()); }

    std::unique_ptr<WindFarmWindow> window;
};

// Where a click shows or hides legend entry i.
QPoint legendEntry(CVNQLineChart* c, int i)
{
    auto* impl = static_cast<CVNQLineChartImpl*>(c->getControlImpl());
    return impl->legendItems(impl->plotRect(c->size()), c->size()).at(i).rect.center().toPoint();
}
QPoint legendEntry(CVNQOpenGLPieChart* c, int i)
{
    auto* impl = static_cast<CVNQOpenGLPieChartImpl*>(c->getControlImpl());
    return impl->legendItems(impl->legendArea(impl->pieRect(c->size()), c->size())).at(i).rect.center().toPoint();
}

QSet<QString> textsOf(QWidget* root)
{
    QSet<QString> texts;
    for (QLabel* label : root->findChildren<QLabel*>())
        texts.insert(label->text());
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        texts.insert(button->text());
    for (QComboBox* combo : root->findChildren<QComboBox*>())
        for (int i = 0; i < combo->count(); ++i)
            texts.insert(combo->itemText(i));
    for (CVNQLineEdit* edit : root->findChildren<CVNQLineEdit*>())
        texts.insert(edit->getPlaceholderText());
    for (QAbstractItemView* view : root->findChildren<QAbstractItemView*>()) {
        QAbstractItemModel* model = view->model();
        for (int c = 0; model && c < model->columnCount(); ++c) {
            texts.insert(model->headerData(c, Qt::Horizontal).toString());
            for (int r = 0; r < model->rowCount(); ++r)
                texts.insert(model->index(r, c).data().toString());
        }
    }
    texts.insert(root->windowTitle());
    return texts;
}

} // namespace

TEST_F(WindFarmWindowTest, StartsWithTheSnapshotsFiguresAndTables)
{
    EXPECT_EQ(labelText("kpiEnergyValue"), QStringLiteral("318.4"));
    EXPECT_EQ(labelText("kpiActiveValue"), QStringLiteral("47/50"));
    EXPECT_EQ(labelText("kpiWindValue"), QStringLiteral("13.0"));
    EXPECT_EQ(labelText("kpiEfficiencyValue"), QStringLiteral("84.3"));
    EXPECT_EQ(turbineRows()->rowCount(), 50);
    QAbstractItemModel* summary = child<CVNQTableView>("windSummaryTable")->model();
    ASSERT_EQ(summary->rowCount(), 4);
    EXPECT_EQ(summary->index(0, 0).data().toString(), QStringLiteral("WTG-007"));
    EXPECT_EQ(summary->index(1, 0).data().toString(), QStringLiteral("WTG-015"));
    EXPECT_EQ(summary->index(2, 0).data().toString(), QStringLiteral("WTG-001"));
    EXPECT_EQ(summary->index(3, 0).data().toString(), QStringLiteral("WTG-002"));
    EXPECT_EQ(summary->index(0, 3).data(CellIconRole).toString(), QStringLiteral(":/gustrel/icons/alert.svg"));
    EXPECT_EQ(labelText("turbineSummaryLine"),
              QStringLiteral("Showing 50 of 50 turbines · Click a column header to sort"));

    // Row cells: texts, numeric sort keys, status and id roles.
    QAbstractItemModel* rows = turbineRows();
    EXPECT_EQ(rows->index(0, 5).data().toString(), QStringLiteral("1938 kW"));
    EXPECT_DOUBLE_EQ(rows->index(0, 5).data(TurbineSortRole).toDouble(), 1938.0);
    EXPECT_EQ(rows->index(6, 8).data().toString(), QStringLiteral("Fault"));
    EXPECT_EQ(rows->index(6, 8).data(TurbineStatusRole).toInt(), int(Fault));
    EXPECT_EQ(rows->index(6, 3).data(TurbineIdRole).toString(), QStringLiteral("WTG-007"));
    EXPECT_FALSE(child<CVNQPushButton>("headerSearch")->parentWidget()->isHidden());

    // Every tinted icon fills its box as its picture drawn at that box's size
    // does, not at the picture's own 16 px.
    const auto inkBox = [](const QImage& img, const std::function<bool(QRgb)>& ink) {
        QRect box;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (ink(img.pixel(x, y)))
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    int icons = 0;
    for (CVNQImage* icon : window->findChildren<CVNQImage*>()) {
        if (!icon->isVisible() || icon->getSvgPath().isEmpty() || !icon->getSvgColor().isValid())
            continue;
        ++icons;
        QImage own(icon->size(), QImage::Format_ARGB32_Premultiplied);
        own.fill(Qt::transparent);
        QPainter painter(&own);
        QSvgRenderer(icon->getSvgPath()).render(&painter);
        painter.end();
        const QColor tint = icon->getSvgColor();
        const QRect shown = inkBox(onScreen(areaOf(icon)), [&](QRgb c) {
            return std::max({std::abs(qRed(c) - tint.red()), std::abs(qGreen(c) - tint.green()),
                             std::abs(qBlue(c) - tint.blue())}) < 40;
        });
        const QRect want = inkBox(own, [](QRgb c) { return qAlpha(c) > 200; });
        EXPECT_TRUE(shown.adjusted(-1, -1, 1, 1).contains(want) && want.adjusted(-1, -1, 1, 1).contains(shown))
            << icon->getSvgPath().toStdString() << " in a box " << icon->width() << " wide shows " << shown.width()
            << "x" << shown.height() << ", not " << want.width() << "x" << want.height();
    }
    EXPECT_GE(icons, 3);
}

TEST_F(WindFarmWindowTest, UpdatedTimeIsUtc)
{
    // A zone far from UTC, so that a local clock reading shows.
    const QByteArray savedTz = qgetenv("TZ");
    qputenv("TZ", "Asia/Kathmandu");
    tzset();
    window->getSimulator()->advance();
    const QString text = labelText("windUpdatedLabel");
    const QTime utcNow = QDateTime::currentDateTimeUtc().time();
    if (savedTz.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", savedTz);
    tzset();

    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^Updated (\\d\\d:\\d\\d:\\d\\d) UTC$")).match(text);
    ASSERT_TRUE(m.hasMatch()) << text.toStdString();
    const QTime shown = QTime::fromString(m.captured(1), QStringLiteral("HH:mm:ss"));
    int apart = qAbs(shown.secsTo(utcNow));
    apart = qMin(apart, 86400 - apart); // across midnight
    EXPECT_LE(apart, 5);
}

TEST_F(WindFarmWindowTest, SearchAndStatusFilterNarrowTheTable)
{
    window->setCurrentPage(1);
    CVNQLineEdit* search = child<CVNQLineEdit>("turbineSearch");
    search->setText(QStringLiteral("north"));
    EXPECT_EQ(turbineRows()->rowCount(), 10);
    EXPECT_EQ(labelText("turbineSummaryLine"),
              QStringLiteral("Showing 10 of 50 turbines · Click a column header to sort"));
    search->clear();

    CVNQComboBox* status = child<CVNQComboBox>("turbineStatusFilter");
    status->setCurrentIndex(status->findData(int(Fault)));
    ASSERT_EQ(turbineRows()->rowCount(), 1);
    EXPECT_EQ(turbineRows()->index(0, 1).data().toString(), QStringLiteral("WTG-007"));

    // A language switch keeps the chosen status and its rows.
    window->setLanguage(1);
    EXPECT_EQ(status->currentData().toInt(), int(Fault));
    EXPECT_EQ(status->currentText(), QStringLiteral("故障"));
    EXPECT_EQ(turbineRows()->rowCount(), 1);
    EXPECT_EQ(labelText("turbineSummaryLine"), QStringLiteral("显示 1 / 50 台风机 · 点击列标题排序"));

    status->setCurrentIndex(status->findData(-1));
    EXPECT_EQ(turbineRows()->rowCount(), 50);
}

TEST_F(WindFarmWindowTest, HeaderClicksSortByValueAndDate)
{
    window->setCurrentPage(1);
    TestUtil::flushEvents();
    CVNQTableView* table = child<CVNQTableView>("turbineTable");
    QHeaderView* header = table->horizontalHeader();
    auto clickHeader = [&](int column) {
        TestUtil::click(header->viewport(), QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
    };

    clickHeader(5); // Output
    QAbstractItemModel* rows = turbineRows();
    for (int r = 1; r < rows->rowCount(); ++r)
        ASSERT_LE(rows->index(r - 1, 5).data(TurbineSortRole).toDouble(),
                  rows->index(r, 5).data(TurbineSortRole).toDouble());
    // 83 kW (the faulty turbine) before any turbine in the thousands.
    EXPECT_EQ(rows->index(0, 1).data().toString(), QStringLiteral("WTG-007"));
    // Ticks change the outputs: the order follows them.
    for (int i = 0; i < 3; ++i)
        window->getSimulator()->advance();
    for (int r = 1; r < rows->rowCount(); ++r)
        ASSERT_LE(rows->index(r - 1, 5).data(TurbineSortRole).toDouble(),
                  rows->index(r, 5).data(TurbineSortRole).toDouble());

    clickHeader(7); // Next inspection: by date, not by text.
    for (int r = 1; r < rows->rowCount(); ++r)
        ASSERT_LE(parseInspectionDate(rows->index(r - 1, 7).data().toString()),
                  parseInspectionDate(rows->index(r, 7).data().toString()));
}

TEST_F(WindFarmWindowTest, SelectionCurrentRowAndScrollSurviveTicks)
{
    window->setCurrentPage(1);
    window->resize(1280, 720);
    TestUtil::flushEvents();
    CVNQTableView* table = child<CVNQTableView>("turbineTable");
    table->selectRow(3);
    table->verticalScrollBar()->setValue(60);
    const QModelIndex current = table->currentIndex();

    for (int i = 0; i < 3; ++i)
        window->getSimulator()->advance();

    ASSERT_EQ(table->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(table->selectionModel()->selectedRows().first().row(), 3);
    EXPECT_EQ(table->currentIndex(), current);
    EXPECT_EQ(table->verticalScrollBar()->value(), 60);

    // A new turbine adds a row and keeps the rest as they were.
    ASSERT_TRUE(window->getSimulator()->addTurbine(QStringLiteral("WTG-900"), QStringLiteral("Test Hill"), 3000));
    EXPECT_EQ(turbineRows()->rowCount(), 51);
    EXPECT_EQ(table->selectionModel()->selectedRows().first().row(), 3);

    // Rows updated in place hold what rows built afresh hold, for a farm of
    // any size, one turbine too.
    auto* page = window->findChild<WindFarmTurbinesPage*>();
    ASSERT_NE(page, nullptr);
    const QAbstractItemModel* shown = static_cast<QAbstractProxyModel*>(turbineRows())->sourceModel();
    for (int n : {1, 2, 51}) {
        // The page shows the tick after the one taken back to.
        WindFarmSnapshot back = window->getSimulator()->snapshot();
        window->getSimulator()->advance();
        WindFarmSnapshot ahead = window->getSimulator()->snapshot();
        for (WindFarmSnapshot* cut : {&back, &ahead}) {
            cut->turbines.resize(n);
            cut->turbineCount = n;
        }
        page->refreshSnapshot(ahead);
        page->refreshSnapshot(back);
        TurbineFilterProxyModel freshProxy;
        WindFarmTurbinesPage fresh(&freshProxy);
        fresh.refreshSnapshot(back);
        const QAbstractItemModel* built = freshProxy.sourceModel();
        ASSERT_EQ(shown->rowCount(), n);
        ASSERT_EQ(built->rowCount(), n);
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < built->columnCount(); ++c)
                EXPECT_EQ(shown->itemData(shown->index(r, c)), built->itemData(built->index(r, c)))
                    << n << " " << r << "," << c;
    }
}

TEST_F(WindFarmWindowTest, ClickAcrossATickOpensTheDrawer)
{
    window->setCurrentPage(1);
    TestUtil::flushEvents();
    CVNQTableView* table = child<CVNQTableView>("turbineTable");
    const QPoint p = rowPoint(4);
    TestUtil::press(table->viewport(), p);
    window->getSimulator()->advance();
    TestUtil::release(table->viewport(), p);
    EXPECT_EQ(window->getSelectedTurbineId(), QStringLiteral("WTG-005"));
    EXPECT_TRUE(window->isDetailExpanded());
}

// Sorted and filtered, a click on any row shown opens and selects the turbine it shows.
TEST_F(WindFarmWindowTest, EveryRowClickedInASortedOrFilteredTableOpensItsTurbine)
{
    window->setCurrentPage(1);
    CVNQTableView* table = child<CVNQTableView>("turbineTable");
    QAbstractItemModel* rows = turbineRows();
    table->sortByColumn(4, Qt::DescendingOrder);
    child<CVNQLineEdit>("turbineSearch")->setText(QStringLiteral("Ridge"));
    TestUtil::flushEvents();
    for (int r = 0; r < rows->rowCount(); ++r) {
        const QRect cell = table->visualRect(rows->index(r, 1));
        if (!table->viewport()->rect().contains(cell))
            continue;
        TestUtil::click(table->viewport(), cell.center());
        ASSERT_EQ(window->getSelectedTurbineId(), rows->index(r, 1).data().toString()) << r;
        EXPECT_EQ(table->selectionModel()->selectedRows().value(0).row(), r);
    }
}

TEST_F(WindFarmWindowTest, EscapeNeverClosesTheDashboard)
{
    // The window is a dialog, which Escape would close; the key does nothing.
    window->selectTurbine(QStringLiteral("WTG-007"));
    ASSERT_TRUE(window->isDetailExpanded());
    TestUtil::key(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isDetailExpanded());
}

TEST_F(WindFarmWindowTest, RowsTablesAndDrawersKeepTheirLayoutAtEverySize)
{
    CVNQTableView* summary = child<CVNQTableView>("windSummaryTable");
    CVNQTableView* turbines = child<CVNQTableView>("turbineTable");
    QWidget* middleRow = child<QWidget>("windEnergyChart")->parentWidget()->parentWidget();
    QWidget* bottomRow = summary->parentWidget()->parentWidget();
    const QVector<int> summaryWidths = {92, 90, 82, 108, 250};
    const QVector<int> turbineWidths = {44, 105, 125, 85, 76, 92, 86, 118, 112, 260};
    for (const QSize size : {QSize(1280, 720), QSize(1920, 1080)}) {
        window->resize(size);
        window->getSimulator()->advance();
        // Three to two: the rows' heights split what is free by their ratios,
        // unless the bottom row's insight cards need more.
        const double share = double(middleRow->height()) / (middleRow->height() + bottomRow->height());
        if (bottomRow->height() > bottomRow->minimumHeight())
            EXPECT_NEAR(share, 0.6, 0.01) << size.width();
        EXPECT_GE(bottomRow->height(), bottomRow->minimumHeight());
        EXPECT_EQ(summary->getItemHeight(), 34);
        for (int c = 0; c < summaryWidths.size(); ++c)
            EXPECT_EQ(summary->columnWidth(c), summaryWidths[c]) << c;
        for (int c = 0; c < turbineWidths.size(); ++c)
            EXPECT_EQ(turbines->columnWidth(c), turbineWidths[c]) << c;
        // Each page's rows stand one under another from its top padding, spaced as the page wants.
        for (const auto& [name, space] : {std::make_pair("overviewPage", 12), std::make_pair("turbinesPage", 10)}) {
            int y = 16;
            for (QWidget* row : child<QWidget>(name)->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                auto* item = dynamic_cast<ICVNQWidgetBase*>(row);
                if (!row->isHidden() && item && item->getLayoutType() == LayoutTypeRatio) {
                    EXPECT_EQ(row->y(), y) << name << " " << row->objectName().toStdString();
                    y = row->geometry().bottom() + 1 + space;
                }
            }
            EXPECT_GT(y, 16 + space) << name;
        }
    }
    // A width the operator drags survives the next ticks.
    for (CVNQTableView* table : {summary, turbines}) {
        table->horizontalHeader()->resizeSection(1, 140);
        window->getSimulator()->advance();
        EXPECT_EQ(table->columnWidth(1), 140) << table->objectName().toStdString();
    }

    CVNQContainer* drawer = child<CVNQContainer>("detailDrawer");
    DockLayoutType hor = DockNear, ver = DockNear;
    int dx = 0, dy = 0;
    drawer->getAbsoluteDock(hor, ver, dx, dy);
    EXPECT_EQ(QVector<int>({hor, ver, dx, dy}), QVector<int>({DockFar, DockCenter, 24, 0}));
    EXPECT_EQ(drawer->getChildSpace(), 8);
    EXPECT_TRUE(drawer->findChildren<CVNQScrollBar*>().isEmpty());
    window->selectTurbine(QStringLiteral("WTG-007"));
    EXPECT_EQ(child<CVNQOpenGLPieChart>("turbineHealthChart")->legendPosition(), 2);
}

TEST_F(WindFarmWindowTest, DetailDrawerShowsTheSelectedTurbine)
{
    window->selectTurbine(QStringLiteral("wtg-007"));
    EXPECT_EQ(window->getSelectedTurbineId(), QStringLiteral("wtg-007"));
    EXPECT_TRUE(window->isDetailExpanded());
    EXPECT_EQ(labelText("detailIdLabel"), QStringLiteral("WTG-007"));
    EXPECT_EQ(child<CVNQContainer>("detailStatusBadge")->getThemeName(), QStringLiteral("WindStatusFault"));

    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^([0-9.]+)% · ([0-9.]+) RPM$")).match(labelText("detailHealthLabel"));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_GE(m.captured(1).toDouble(), 15.0);
    EXPECT_LE(m.captured(1).toDouble(), 35.0);

    // The drawer follows the ticks, in the current language.
    window->setLanguage(1);
    EXPECT_TRUE(labelText("detailScheduleLabel").startsWith(QStringLiteral("上次 ")));
    EXPECT_EQ(labelText("detailNoteLabel"), QStringLiteral("检测到轴承温度异常"));
    window->setLanguage(0);
    EXPECT_TRUE(labelText("detailScheduleLabel").startsWith(QStringLiteral("Last ")));

    // An unknown id changes nothing.
    window->selectTurbine(QStringLiteral("WTG-999"));
    EXPECT_EQ(window->getSelectedTurbineId(), QStringLiteral("wtg-007"));

    // The health shown, at both ends of each status's range.
    struct Row
    {
        int status;
        double efficiency, vibration;
        const char* shown;
    };
    for (const Row& r : {Row{Active, 100, 0, "99.0"}, Row{Active, 50, 0, "70.0"}, Row{Maintenance, 10, 0, "50.0"},
                         Row{Maintenance, 60, 0, "75.0"}, Row{Fault, 0, 0, "35.0"}, Row{Fault, 0, 40, "15.0"}}) {
        TurbineRecord t;
        t.status = r.status;
        t.efficiency = r.efficiency;
        t.vibration = r.vibration;
        window->findChild<TurbineDetailDrawer*>()->showTurbine(t);
        EXPECT_TRUE(labelText("detailHealthLabel").startsWith(QString(r.shown) + "%")) << r.shown;
    }
}

TEST_F(WindFarmWindowTest, DrawersSlideOpenAndClosedOneAtATime)
{
    window->setCurrentPage(1);
    CVNQContainer* detail = child<CVNQContainer>("detailDrawer");
    CVNQContainer* editor = child<CVNQContainer>("editorDrawer");
    EXPECT_TRUE(detail->isHidden());
    EXPECT_TRUE(editor->isHidden());

    window->selectTurbine(QStringLiteral("WTG-001"));
    EXPECT_TRUE(detail->isResizeAnimationRunning());
    ASSERT_TRUE(AppTest::waitDrawersAtRest(*window));
    EXPECT_TRUE(detail->isVisible());
    EXPECT_EQ(detail->width(), WindFarmWindow::kDrawerWidth);
    EXPECT_EQ(detail->getChildLayout(), CVNQContainer::Vertical);

    // The editor closes the detail drawer first.
    window->openEditor();
    EXPECT_FALSE(window->isDetailExpanded());
    EXPECT_TRUE(window->isEditorExpanded());
    EXPECT_TRUE(detail->isResizeAnimationRunning()) << "every change slides";
    ASSERT_TRUE(AppTest::waitDrawersAtRest(*window));
    EXPECT_TRUE(detail->isHidden());
    EXPECT_EQ(editor->width(), WindFarmWindow::kDrawerWidth);

    TestUtil::click(child<CVNQPushButton>("editorCancelButton"));
    EXPECT_FALSE(window->isEditorExpanded());
    EXPECT_TRUE(editor->isResizeAnimationRunning());
    ASSERT_TRUE(AppTest::waitDrawersAtRest(*window));
    EXPECT_TRUE(editor->isHidden());
    // Closed drawers are ready at full width for their next slide.
    EXPECT_EQ(editor->width(), WindFarmWindow::kDrawerWidth);

    window->setDetailDrawerExpanded(true);
    EXPECT_TRUE(detail->isResizeAnimationRunning());
    ASSERT_TRUE(AppTest::waitDrawersAtRest(*window));
    TestUtil::click(child<CVNQPushButton>("detailCloseButton"));
    EXPECT_TRUE(detail->isResizeAnimationRunning());
    ASSERT_TRUE(AppTest::waitDrawersAtRest(*window));
    EXPECT_TRUE(detail->isHidden());
    EXPECT_FALSE(window->isDetailExpanded());
}

TEST_F(WindFarmWindowTest, DrawerTurnedRoundMidSlideEndsWhereItsFlagSays)
{
    window->setCurrentPage(1);
    CVNQContainer* detail = child<CVNQContainer>("detailDrawer");
    window->selectTurbine(QStringLiteral("WTG-002"));
    ASSERT_TRUE(AppTest::waitDrawersAtRest(*window));
    int opened = 0;
    QObject::connect(qobject_cast<WindDrawer*>(detail), &WindDrawer::opened, [&opened] { ++opened; });

    // Closed and reopened within one slide: turned round while it runs.
    window->setDetailDrawerExpanded(false);
    ASSERT_TRUE(detail->isResizeAnimationRunning());
    window->setDetailDrawerExpanded(true);
    ASSERT_TRUE(AppTest::waitDrawersAtRest(*window));
    EXPECT_TRUE(window->isDetailExpanded());
    EXPECT_TRUE(detail->isVisible());
    EXPECT_EQ(detail->width(), WindFarmWindow::kDrawerWidth);
    EXPECT_EQ(detail->getChildLayout(), CVNQContainer::Vertical);
    EXPECT_FALSE(detail->isResizeAnimationRunning());

    // Opened and closed within one slide.
    window->setDetailDrawerExpanded(false);
    ASSERT_TRUE(AppTest::waitDrawersAtRest(*window));
    window->setDetailDrawerExpanded(true);
    ASSERT_TRUE(detail->isResizeAnimationRunning());
    window->setDetailDrawerExpanded(false);
    ASSERT_TRUE(AppTest::waitDrawersAtRest(*window));
    EXPECT_TRUE(detail->isHidden());
    EXPECT_EQ(detail->width(), WindFarmWindow::kDrawerWidth);

    // A step of an action turned round is void: each open reports once.
    // (One more slide outlasts any step still waiting.)
    window->setDetailDrawerExpanded(true);
    ASSERT_TRUE(AppTest::waitDrawersAtRest(*window));
    EXPECT_EQ(opened, 2);
}

TEST_F(WindFarmWindowTest, EditorProposesTheNextId)
{
    window->setCurrentPage(1);
    TestUtil::click(child<CVNQPushButton>("addTurbineButton"));
    EXPECT_TRUE(window->isEditorExpanded());
    EXPECT_EQ(child<CVNQLineEdit>("editorIdEdit")->text(), QStringLiteral("WTG-051"));
    EXPECT_TRUE(child<CVNQLineEdit>("editorLocationEdit")->text().isEmpty());
    EXPECT_EQ(child<CVNQLineEdit>("editorPowerEdit")->text(), QStringLiteral("3600"));
    EXPECT_EQ(child<CVNQComboBox>("editorStatusCombo")->currentIndex(), 0);
    EXPECT_TRUE(child<CVNQLabel>("editorValidationLabel")->isHidden());
    EXPECT_EQ(window->focusWidget(), child<CVNQLineEdit>("editorIdEdit"));

    // Ids after the count may be taken: the proposal is the first free one.
    for (const char* id : {"WTG-052", "WTG-053", "WTG-054"})
        ASSERT_TRUE(window->getSimulator()->addTurbine(id, "North Ridge", 3600));
    window->openEditor();
    EXPECT_EQ(child<CVNQLineEdit>("editorIdEdit")->text(), QStringLiteral("WTG-055"));
}

// A pasted line break never shows as a second line: the id refuses it, the location takes a space.
TEST_F(WindFarmWindowTest, PastedLineBreaksNeverShowAsTwoLines)
{
    window->openEditor();
    const auto paste = [this](const char* edit, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        child<CVNQLineEdit>(edit)->clear();
        child<CVNQLineEdit>(edit)->paste();
    };
    paste("editorIdEdit", QStringLiteral("WTG-077\nB"));
    paste("editorLocationEdit", QStringLiteral("North\r\nRidge\u2029East"));
    TestUtil::click(child<CVNQPushButton>("editorSaveButton"));
    EXPECT_EQ(window->getSnapshot().turbineCount, 50);
    paste("editorIdEdit", QStringLiteral("WTG-077"));
    TestUtil::click(child<CVNQPushButton>("editorSaveButton"));
    EXPECT_EQ(window->getSnapshot().turbines.last().location, QStringLiteral("North Ridge East"));
    // What the farm holds from elsewhere shows on one line in the drawer and the table.
    ASSERT_TRUE(window->getSimulator()->addTurbine("WTG-078\nB", "South\nPlateau", 3600));
    window->selectTurbine(QStringLiteral("WTG-078\nB"));
    EXPECT_EQ(labelText("detailIdLabel"), QStringLiteral("WTG-078 B"));
    EXPECT_TRUE(labelText("detailLocationLabel").startsWith(QStringLiteral("South Plateau · ")));
    paste("turbineSearch", QStringLiteral("78\nB"));
    ASSERT_EQ(turbineRows()->rowCount(), 1);
    EXPECT_EQ(turbineRows()->index(0, 2).data().toString(), QStringLiteral("South Plateau"));
}

TEST_F(WindFarmWindowTest, EditorRejectsBadValues)
{
    const QString message = QStringLiteral("Enter a unique ID, location, and valid rated power.");
    window->setCurrentPage(1);
    window->openEditor();
    CVNQLineEdit* id = child<CVNQLineEdit>("editorIdEdit");
    CVNQLineEdit* location = child<CVNQLineEdit>("editorLocationEdit");
    CVNQLineEdit* power = child<CVNQLineEdit>("editorPowerEdit");
    CVNQLabel* validation = child<CVNQLabel>("editorValidationLabel");
    CVNQPushButton* save = child<CVNQPushButton>("editorSaveButton");

    TestUtil::click(save); // no location
    EXPECT_FALSE(validation->isHidden());
    EXPECT_EQ(validation->text(), message);

    location->setText(QStringLiteral("North Ridge"));
    for (const char* bad : {"abc", "0", "-5", "", "inf", "-inf", "nan", "1e300", "20000.5"}) {
        power->setText(QString::fromLatin1(bad));
        validation->clear();
        TestUtil::click(save);
        EXPECT_EQ(validation->text(), message) << bad;
    }
    power->setText(QStringLiteral("3600"));
    id->setText(QStringLiteral("wtg-001")); // taken, in other letter case
    TestUtil::click(save);
    EXPECT_EQ(validation->text(), message);
    EXPECT_EQ(window->getSnapshot().turbineCount, 50);
    EXPECT_TRUE(window->isEditorExpanded());
    EXPECT_EQ(location->text(), QStringLiteral("North Ridge")); // fields stay as typed

    window->setLanguage(1);
    EXPECT_EQ(validation->text(), QStringLiteral("请填写唯一 ID、位置和有效的额定功率。"));
}

TEST_F(WindFarmWindowTest, EditorAddsTheTurbineAndShowsIt)
{
    window->setCurrentPage(1);
    // A status filter stays as chosen, even when it hides the new turbine.
    CVNQComboBox* filter = child<CVNQComboBox>("turbineStatusFilter");
    filter->setCurrentIndex(filter->findData(int(Fault)));
    window->openEditor();
    child<CVNQLineEdit>("editorIdEdit")->setText(QStringLiteral(" wtg-051 "));
    child<CVNQLineEdit>("editorLocationEdit")->setText(QStringLiteral("North Ridge"));
    child<CVNQLineEdit>("editorPowerEdit")->setText(QStringLiteral("20000"));
    CVNQComboBox* status = child<CVNQComboBox>("editorStatusCombo");
    status->setCurrentIndex(status->findData(int(Maintenance)));
    TestUtil::click(child<CVNQPushButton>("editorSaveButton"));

    EXPECT_TRUE(window->getSimulator()->containsTurbine(QStringLiteral("WTG-051")));
    EXPECT_EQ(window->getSnapshot().turbineCount, 51);
    EXPECT_EQ(window->getSnapshot().turbines.last().status, int(Maintenance));
    EXPECT_FALSE(window->isEditorExpanded());
    EXPECT_TRUE(window->isDetailExpanded());
    EXPECT_EQ(window->getSelectedTurbineId(), QStringLiteral("WTG-051"));
    EXPECT_EQ(child<CVNQLineEdit>("turbineSearch")->text(), QStringLiteral("wtg-051"));
    EXPECT_EQ(filter->currentData().toInt(), int(Fault));
    EXPECT_EQ(turbineRows()->rowCount(), 0);
    EXPECT_EQ(labelText("turbineSummaryLine"),
              QStringLiteral("Showing 0 of 51 turbines · Click a column header to sort"));
    filter->setCurrentIndex(filter->findData(-1));
    ASSERT_EQ(turbineRows()->rowCount(), 1);
    EXPECT_EQ(turbineRows()->index(0, 1).data().toString(), QStringLiteral("WTG-051"));
    EXPECT_TRUE(child<CVNQLabel>("editorValidationLabel")->isHidden());
}

TEST_F(WindFarmWindowTest, OverviewControlsDriveThePage)
{
    // Period choice.
    CVNQComboBox* period = child<CVNQComboBox>("windPeriodCombo");
    period->setCurrentIndex(period->findData(1));
    EXPECT_EQ(window->getSnapshot().chartLabels.size(), 24);
    window->setLanguage(1);
    EXPECT_EQ(period->currentText(), QStringLiteral("日"));
    window->setLanguage(0);

    // The forecast switch hides series 1, also across the next chart refresh.
    CVNQLineChart* chart = child<CVNQLineChart>("windEnergyChart");
    WindToggleSwitch* forecast = child<WindToggleSwitch>("windForecastSwitch");
    // The switch's pictures after its own clicks, to compare with those after legend clicks.
    auto switchShown = [forecast] {
        EXPECT_TRUE(TestUtil::waitFor([forecast] { return !forecast->getImpl()->animating; }));
        return TestUtil::screenShot(forecast);
    };
    TestUtil::click(forecast);
    EXPECT_FALSE(forecast->isChecked());
    const QImage switchOff = switchShown();
    ASSERT_EQ(chart->series().size(), 2);
    EXPECT_FALSE(chart->series()[1].visible);
    for (int i = 0; i < 5; ++i)
        window->getSimulator()->advance();
    EXPECT_FALSE(chart->series()[1].visible);
    EXPECT_EQ(chart->series()[0].name, QStringLiteral("Energy output"));
    // Each series' look, field by field: colour, fill, symbols, smoothing, area, width, opacity.
    auto look = [](const ChartSeries& c) {
        return QStringList{c.color.name(),
                           c.fillColor.name(),
                           QString::number(c.showSymbols),
                           QString::number(c.smooth),
                           QString::number(c.area),
                           QString::number(c.lineWidth),
                           QString::number(c.fillOpacity)};
    };
    EXPECT_EQ(look(chart->series()[0]), QStringList({"#00ef86", "#00ef86", "0", "1", "1", "2", "0.22"}));
    EXPECT_EQ(look(chart->series()[1]), QStringList({"#47bfbc", "#47bfbc", "0", "1", "0", "1.7", "0.22"}));

    // What the legend hides stays hidden over every rebuild of the series, the switch agreeing.
    TestUtil::click(chart, legendEntry(chart, 1));
    EXPECT_TRUE(forecast->isChecked());
    const QImage switchOnByLegend = switchShown();
    TestUtil::click(chart, legendEntry(chart, 0));
    TestUtil::click(chart, legendEntry(chart, 1));
    EXPECT_EQ(switchShown(), switchOff);
    for (int i = 0; i < 5; ++i)
        window->getSimulator()->advance();
    period->setCurrentIndex(period->findData(7));
    window->setLanguage(1);
    EXPECT_FALSE(chart->series()[0].visible || chart->series()[1].visible || forecast->isChecked());
    TestUtil::click(forecast);
    window->setLanguage(0);
    EXPECT_TRUE(!chart->series()[0].visible && chart->series()[1].visible);
    EXPECT_EQ(switchShown(), switchOnByLegend);
    // So does a slice of the health donut over the drawer's refreshes.
    window->selectTurbine(QStringLiteral("WTG-001"));
    ASSERT_TRUE(AppTest::waitDrawersAtRest(*window));
    CVNQOpenGLPieChart* donut = child<CVNQOpenGLPieChart>("turbineHealthChart");
    TestUtil::click(donut, legendEntry(donut, 1));
    window->getSimulator()->advance();
    window->setLanguage(1);
    EXPECT_TRUE(donut->slices().value(0).visible && !donut->slices().value(1).visible);
    window->setLanguage(0);
    window->setCurrentPage(0);

    // Only the card that names a turbine opens it.
    TestUtil::click(child<CVNQContainer>("windInsight0"));
    EXPECT_EQ(window->getCurrentPage(), 0);
    TestUtil::click(child<CVNQContainer>("windInsight1"));
    EXPECT_EQ(window->getCurrentPage(), 1);
    EXPECT_EQ(window->getSelectedTurbineId(), QStringLiteral("WTG-007"));
    EXPECT_TRUE(window->isDetailExpanded());
}

TEST_F(WindFarmWindowTest, InsightCardClickedThroughTheWindowOpensItsTurbine)
{
    // Through the window system, as a user clicks: the window's own press
    // handling sees the press first.
    CVNQContainer* card = child<CVNQContainer>("windInsight1");
    QWindow* handle = window->windowHandle();
    const auto clickAt = [&](QPoint spot, bool twice) {
        window->setCurrentPage(0);
        window->setDetailDrawerExpanded(false);
        ASSERT_TRUE(AppTest::waitDrawersAtRest(*window));
        const QPoint at = card->mapTo(window.get(), spot);
        if (twice)
            QTest::mouseDClick(handle, Qt::LeftButton, Qt::NoModifier, at);
        else
            QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_EQ(window->getCurrentPage(), 1) << spot.x() << "," << spot.y();
        EXPECT_TRUE(window->isDetailExpanded()) << spot.x() << "," << spot.y();
    };
    for (int language : {0, 1}) {
        window->setLanguage(language);
        // Body, padding, title.
        for (QPoint spot : {card->rect().center(), QPoint(4, 4), QPoint(card->width() / 2, 14)}) {
            clickAt(spot, false);
            EXPECT_EQ(window->getSelectedTurbineId(), QStringLiteral("WTG-007"));
        }
    }
    // A double click's second click lands on the table then shown.
    clickAt(card->rect().center(), true);
}

TEST_F(WindFarmWindowTest, LanguageSwitchedOnTheTurbinesPageShowsEverywhere)
{
    CVNQLineChart* chart = child<CVNQLineChart>("windEnergyChart");
    CVNQLineEdit* search = child<CVNQLineEdit>("turbineSearch");
    ASSERT_TRUE(AppTest::waitWindowAtRest(*window));
    // The legend is in the band above the plot.
    const QRect legend = areaOf(chart).adjusted(0, 0, 0, 80 - chart->height());
    const QImage englishLegend = onScreen(legend);
    window->setCurrentPage(1);
    ASSERT_TRUE(AppTest::waitWindowAtRest(*window));
    const QImage englishField = onScreen(areaOf(search));

    window->setLanguage(1);
    EXPECT_EQ(search->getPlaceholderText(), QStringLiteral("按 ID 或位置搜索..."));
    EXPECT_TRUE(TestUtil::waitFor([&]() { return onScreen(areaOf(search)) != englishField; }));
    window->setCurrentPage(0);
    EXPECT_EQ(chart->series()[0].name, QStringLiteral("能量输出"));
    ASSERT_TRUE(TestUtil::waitPainted(window.get()));
    EXPECT_NE(onScreen(legend), englishLegend);
}

TEST_F(WindFarmWindowTest, HeaderNavigation)
{
    TestUtil::click(child<CVNQPushButton>("navTurbines"));
    EXPECT_EQ(window->getCurrentPage(), 1);
    EXPECT_EQ(child<CVNQPushButton>("navTurbines")->getThemeName(), QStringLiteral("WindNavButtonActive"));
    EXPECT_EQ(child<CVNQPushButton>("navOverview")->getThemeName(), QStringLiteral("WindNavButton"));
    TestUtil::click(child<CVNQPushButton>("navOverview"));
    EXPECT_EQ(window->getCurrentPage(), 0);

    TestUtil::click(child<CVNQPushButton>("headerSearch"));
    EXPECT_EQ(window->getCurrentPage(), 1);
    EXPECT_EQ(window->focusWidget(), child<CVNQLineEdit>("turbineSearch"));

    int disabled = 0;
    for (CVNQPushButton* b : window->findChildren<CVNQPushButton*>())
        disabled += !b->isEnabled();
    EXPECT_EQ(disabled, 4); // Analytics, Map View, AI Insights, the filter button

    EXPECT_TRUE(WindFarmWindow::statusIconName(7).isEmpty());
    EXPECT_TRUE(window->statusText(-1).isEmpty());
    // The simulator takes such a status; its row shows no icon and no text.
    ASSERT_TRUE(window->getSimulator()->setTurbineStatus(QStringLiteral("WTG-003"), static_cast<TurbineStatus>(9)));
    const QAbstractItemModel* rows = child<CVNQTableView>("turbineTable")->model();
    for (int r = 0; r < rows->rowCount(); ++r) {
        if (rows->index(r, 1).data().toString() != QLatin1String("WTG-003"))
            continue;
        EXPECT_TRUE(rows->index(r, 8).data().toString().isEmpty());
        EXPECT_FALSE(rows->index(r, 8).data(CellIconRole).isValid());
    }
}

TEST_F(WindFarmWindowTest, EveryStaticTextFollowsTheLanguage)
{
    // Pairs of every static text; the left one must be gone in Chinese and
    // the right one present, and the reverse after switching back.
    const QList<QPair<QString, QString>> pairs = {
        {"Qt-UI Gustrel Wind Farm Monitoring", "Qt-UI Gustrel 风电场监控"},
        {"Overview", "总览"},
        {"Turbines", "风机"},
        {"Analytics", "分析"},
        {"Map View", "地图"},
        {"AI Insights", "AI 洞察"},
        {"AI forecast", "显示预测"},
        {"Energy Output & AI Prediction", "能量输出与 AI 预测"},
        {"Atmospheric Conditions", "大气条件"},
        {"Turbine Summary", "风机摘要"},
        {"Total Energy Generated", "累计发电量"},
        {"+10% since last month", "较上月 +10%"},
        {"Active Turbines", "活动风机"},
        {"Last inspection 12h ago", "12 小时前完成检查"},
        {"Average Wind Speed", "平均风速"},
        {"-5% since last month", "较上月 -5%"},
        {"Operating Efficiency", "运行效率"},
        {"Target 90%", "目标 90%"},
        {"Gust speed", "阵风速度"},
        {"Air density", "空气密度"},
        {"Humidity", "湿度"},
        {"Temperature", "环境温度"},
        {"Month", "月"},
        {"Week", "周"},
        {"Day", "日"},
        {"Live equipment status, inspections, and AI maintenance guidance", "实时设备状态、检查计划与 AI 维护建议"},
        {"Add Turbine", "新增风机"},
        {"Search by ID or location...", "按 ID 或位置搜索..."},
        {"All statuses", "全部状态"},
        {"Active", "运行"},
        {"Maintenance", "维护"},
        {"Fault", "故障"},
        {"Offline", "离线"},
        {"Live output", "实时输出"},
        {"Wind speed", "风速"},
        {"Nacelle temp", "机舱温度"},
        {"Vibration", "振动"},
        {"Equipment health", "设备健康度"},
        {"Inspection schedule", "检查计划"},
        {"AI maintenance note", "AI 维护建议"},
        {"Turbine ID", "风机 ID"},
        {"Location", "位置"},
        {"Rated power (kW)", "额定功率 (kW)"},
        {"Initial status", "初始状态"},
        {"Cancel", "取消"},
        {"Save Turbine", "保存风机"},
        {"Turbine", "风机"},
        {"Output", "输出"},
        {"Efficiency", "效率"},
        {"Status", "状态"},
        {"AI note", "AI 说明"},
        {"Wind", "风速"},
        {"Temp", "温度"},
        {"Next inspection", "下次检查"},
        {"AI warning", "AI 告警"},
        {"Efficiency forecast +6%", "效率预测提升 6%"},
        {"Stronger wind currents should increase output next week.", "更强风流预计将在下周提升发电输出。"},
        {"All systems optimal", "所有系统运行正常"}};
    const QSet<QString> invariant = {"GUSTREL", "Dana Quill", "EN", "中", "GWh", "m/s", "%", "kg/m³", "°C", "#"};

    // Every column of every table, in both languages, holds what its header names.
    const QList<QPair<QStringList, QString>> columns = {
        {{"#"}, "\\d+"},
        {{"Turbine", "Turbine ID", "风机", "风机 ID"}, "WTG-\\d{3}"},
        {{"Location", "位置"}, "\\D+"},
        {{"Wind", "风速"}, "[\\d.]+ m/s"},
        {{"Temp", "温度"}, "-?[\\d.]+ °C"},
        {{"Output", "输出"}, "\\d+ kW"},
        {{"Efficiency", "效率"}, "[\\d.]+%"},
        {{"Next inspection", "下次检查"}, "\\d\\d \\w{3} \\d{4}"},
        {{"Status", "状态"}, "Active|Maintenance|Fault|Offline|运行|维护|故障|离线"},
        {{"AI note", "AI warning", "AI 说明", "AI 告警"}, "\\D.*"}};
    const auto expectColumnsHoldTheirHeaders = [&] {
        for (CVNQTableView* view : window->findChildren<CVNQTableView*>()) {
            QAbstractItemModel* model = view->model();
            for (int c = 0; model && c < model->columnCount(); ++c) {
                const QString header = model->headerData(c, Qt::Horizontal).toString();
                const auto kind = std::find_if(columns.begin(), columns.end(),
                                               [&](const auto& k) { return k.first.contains(header); });
                ASSERT_NE(kind, columns.end()) << header.toStdString();
                const QRegularExpression held(QRegularExpression::anchoredPattern(kind->second));
                EXPECT_GT(model->rowCount(), 0) << header.toStdString();
                for (int r = 0; r < model->rowCount(); ++r)
                    EXPECT_TRUE(held.match(model->index(r, c).data().toString()).hasMatch())
                        << header.toStdString() << ": " << model->index(r, c).data().toString().toStdString();
            }
        }
    };
    expectColumnsHoldTheirHeaders();
    const QSet<QString> english = textsOf(window.get());
    window->setLanguage(1);
    expectColumnsHoldTheirHeaders();
    const QSet<QString> chinese = textsOf(window.get());
    for (const auto& p : pairs) {
        EXPECT_TRUE(english.contains(p.first)) << p.first.toStdString();
        EXPECT_FALSE(chinese.contains(p.first)) << p.first.toStdString();
        EXPECT_TRUE(chinese.contains(p.second)) << p.second.toStdString();
    }
    for (const QString& same : invariant)
        EXPECT_TRUE(chinese.contains(same)) << same.toStdString();
    EXPECT_EQ(child<CVNQPushButton>("languageChinese")->getThemeName(), QStringLiteral("WindNavButtonActive"));
    EXPECT_EQ(child<CVNQPushButton>("languageEnglish")->getThemeName(), QStringLiteral("WindSecondaryButton"));
    EXPECT_EQ(child<CVNQLineChart>("windEnergyChart")->series()[1].name, QStringLiteral("AI 预测"));

    TestUtil::click(child<CVNQPushButton>("languageEnglish"));
    EXPECT_EQ(textsOf(window.get()), english);
}
