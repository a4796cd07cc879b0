// A 1,000-row grid styled by the dashboard's theme folder (its "WindTable"
// and scroll-bar entries), with every row state, status icons, a check-box
// column and a template column, shown on the real window system and saved
// as PNG into the build tree at the top, scrolled to the
// middle and at the end.

#include "CVNQContainer.h"
#include "CVNQPushButton.h"
#include "CVNQScrollBar.h"
#include "TableViewTestUtil.h"
#include "TestUtil.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace TableTest;

namespace {

CVNQPushButton* templateButton(const QString& name, const QString& caption)
{
    auto* b = new CVNQPushButton;
    b->setThemeName(QStringLiteral("WindSecondaryButton"));
    b->setObjectName(name);
    b->setText(caption);
    b->setWidthPolicy(1);
    b->setFixedSize(64, 28);
    return b;
}

// The window system's picture of the view.
QImage shot(CVNQTableView& view, const QString& file)
{
    TestUtil::flushEvents();
    QImage img = view.grab().toImage();
    img.save(TestUtil::shotPath(file));
    TestUtil::expectMatchesReference(img, QString(file).remove(".png"));
    return img;
}

} // namespace

TEST(TableViewGallery, ThousandRowsInTheDashboardTheme)
{
    initToolkit();
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    ASSERT_TRUE(rm->loadThemeDir(TestUtil::sourcePath("app/windfarm-theme")));
    const QStringList statusIcons = {
        TestUtil::sourcePath("app/icons/check.svg"), TestUtil::sourcePath("app/icons/wrench.svg"),
        TestUtil::sourcePath("app/icons/alert.svg"), TestUtil::sourcePath("app/icons/offline.svg")};
    const QStringList statusTexts = {"Active", "Maintenance", "Fault", "Offline"};

    {
        CVNQTableView view;
        view.setThemeName("WindTable");
        view.resize(900, 480);
        view.setItemHeight(44);
        view.horizontalHeader()->setMinimumHeight(38);
        view.horizontalHeader()->setStretchLastSection(false);
        view.setCheckstyle(true);
        // As the dashboard does: its own themed bars replace the view's.
        auto* vbar = new CVNQScrollBar(Qt::Vertical, nullptr);
        vbar->setThemeName("WindScrollV");
        auto* hbar = new CVNQScrollBar(Qt::Horizontal, nullptr);
        hbar->setThemeName("WindScrollH");
        view.setVerticalScrollBar(vbar);
        view.setHorizontalScrollBar(hbar);
        view.setScrollbarSize(false, 10);

        auto* model = new QStandardItemModel(1000, 6, &view);
        const QStringList headers = {"Turbine", "Output", "Wind", "Status", "Note", "Actions"};
        for (int c = 0; c < headers.size(); ++c) {
            model->setHorizontalHeaderItem(c, new QStandardItem(headers.at(c)));
            model->setHeaderData(c, Qt::Horizontal, int(Qt::AlignCenter), Qt::TextAlignmentRole);
        }
        for (int r = 0; r < 1000; ++r) {
            const int status = r % 11 == 5 ? 1 : r % 17 == 8 ? 2 : r % 23 == 12 ? 3 : 0;
            QList<QStandardItem*> row = {
                new QStandardItem(QStringLiteral("WTG-%1").arg(r + 1, 4, 10, QLatin1Char('0'))),
                new QStandardItem(QStringLiteral("%1 kW").arg(1200 + (r * 37) % 900)),
                new QStandardItem(QStringLiteral("%1 m/s").arg(6 + (r * 7) % 9)),
                new QStandardItem(statusTexts.at(status)),
                new QStandardItem(QStringLiteral("Yaw aligned, row %1").arg(r)),
                new QStandardItem};
            row[0]->setData(r % 3 == 0, Qt::CheckStateRole);
            row[3]->setData(statusIcons.at(status), CellIconRole);
            row[4]->setData(int(Qt::AlignLeft | Qt::AlignVCenter), Qt::TextAlignmentRole);
            row[4]->setData(statusIcons.at(0), CellIconRole);
            for (QStandardItem* item : row) {
                if (!item->data(Qt::TextAlignmentRole).isValid())
                    item->setData(int(Qt::AlignCenter), Qt::TextAlignmentRole);
                item->setEnabled(r % 50 != 4);
            }
            for (int c = 0; c < row.size(); ++c)
                model->setItem(r, c, row[c]);
        }
        view.setModel(model);
        const int widths[] = {130, 110, 100, 160, 200, 160};
        for (int c = 0; c < 6; ++c)
            view.setColumnWidth(c, widths[c]);

        QWidget templateOwner;
        auto* actions = new CVNQContainer(&templateOwner);
        actions->setDrawBackground(false);
        actions->setChildLayout(CVNQContainer::Horizontal);
        actions->setChildSpace(8);
        actions->setChildPadding(8, 8, 8, 8);
        actions->addChildWidget(templateButton("edit", "Edit"), 0);
        actions->addChildWidget(templateButton("remove", "Remove"), 0);
        view.setColumnWidget(5, actions);

        view.move(40, 40);
        EXPECT_TRUE(TestUtil::showExposed(&view));
        view.selectRow(2);
        // The real pointer over row 1's "Edit" button: the row and the button hover.
        const QRect editCell = view.visualRect(model->index(1, 5));
        EXPECT_TRUE(TestUtil::movePointer(view.viewport()->mapToGlobal(editCell.topLeft() + QPoint(30, 20))));
        EXPECT_EQ(view.getImpl()->hoveredRow, 1);

        const QImage top = shot(view, "views-table-top.png");
        // The theme's selected row, hovered row and hovered template button.
        EXPECT_TRUE(hasColorIn(top, top.rect(), QColor(0x0E, 0x3D, 0x32), 2));
        EXPECT_TRUE(hasColorIn(top, top.rect(), QColor(0x15, 0x2E, 0x30), 2));
        EXPECT_TRUE(hasColorIn(top, top.rect(), QColor(0x1E, 0x3B, 0x3D), 2));

        QScrollBar* bar = view.verticalScrollBar();
        EXPECT_EQ(bar, vbar);
        bar->setValue(bar->maximum() / 2 + 13);
        shot(view, "views-table-middle.png");
        bar->setValue(bar->maximum());
        const QImage end = shot(view, "views-table-end.png");
        // The last row is fully on the page.
        const QRect last = view.visualRect(model->index(999, 0));
        EXPECT_LE(last.bottom(), view.viewport()->height());
        EXPECT_TRUE(hasColorIn(end, end.rect(), QColor(0x15, 0x2E, 0x30), 2)); // template buttons
    }
    // Later tests style their grids themselves.
    QTemporaryDir empty;
    ASSERT_TRUE(TestUtil::writeFile(empty.path(), "theme.json", R"({"elements": []})"));
    ASSERT_TRUE(TestUtil::writeFile(empty.path(), "style.json", R"({"style": []})"));
    ASSERT_TRUE(rm->loadThemeDir(empty.path()));
}
