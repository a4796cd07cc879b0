#include "TurbineFilterProxyModel.h"

#include <QStandardItemModel>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Row
{
    int position;
    QString id;
    QString location;
    double outputKw;
    QString nextInspection;
    int status; // -1: the row carries no status value
};

QList<QStandardItem*> makeRow(const Row& r)
{
    QList<QStandardItem*> items;
    for (int c = 0; c < 10; ++c)
        items << new QStandardItem;
    items[0]->setText(QString::number(r.position));
    items[0]->setData(r.position, TurbineSortRole);
    items[1]->setText(r.id);
    items[2]->setText(r.location);
    items[5]->setText(QStringLiteral("%1 kW").arg(QString::number(r.outputKw, 'f', 0)));
    items[5]->setData(r.outputKw, TurbineSortRole);
    items[7]->setText(r.nextInspection);
    items[8]->setText(QStringLiteral("status %1").arg(r.status));
    if (r.status >= 0)
        items[8]->setData(r.status, TurbineStatusRole);
    for (QStandardItem* item : items)
        item->setData(r.id, TurbineIdRole);
    return items;
}

void fill(QStandardItemModel& model, const QList<Row>& rows)
{
    model.clear();
    for (const Row& r : rows)
        model.appendRow(makeRow(r));
}

const QList<Row> kRows = {
    {1, "WTG-001", "North Ridge", 900, "07 Mar 2025", 0},   {2, "WTG-002", "South Plateau", 95, "28 Feb 2025", 1},
    {3, "WTG-003", "Coastal Edge", 1938, "15 Jan 2026", 2}, {4, "WTG-004", "North Ridge", 2404, "", 2},
    {10, "wtg-010", "East Meadow", 0, "01 Apr 2025", 3},
};

// Turbine ids in proxy order.
QStringList ids(const QAbstractItemModel& proxy)
{
    QStringList out;
    for (int r = 0; r < proxy.rowCount(); ++r)
        out << proxy.index(r, 1).data().toString();
    return out;
}

// Counts how often rows are tested, to see whether a setter re-filtered.
class CountingProxy : public TurbineFilterProxyModel
{
public:
    mutable int tested = 0;
    bool accepts(int row) const { return filterAcceptsRow(row, QModelIndex()); }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        ++tested;
        return TurbineFilterProxyModel::filterAcceptsRow(row, parent);
    }
};

} // namespace

TEST(TurbineFilterProxyModel, TextFilterSearchesIdAndLocation)
{
    QStandardItemModel model;
    fill(model, kRows);
    TurbineFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    EXPECT_EQ(proxy.rowCount(), 5);

    proxy.setFilterText("   ");
    EXPECT_EQ(proxy.rowCount(), 5);
    EXPECT_TRUE(proxy.getFilterText().isEmpty());

    proxy.setFilterText(" wtg-00 ");
    EXPECT_EQ(ids(proxy), QStringList({"WTG-001", "WTG-002", "WTG-003", "WTG-004"}));
    EXPECT_EQ(proxy.getFilterText(), "wtg-00");

    proxy.setFilterText("WTG-01");
    EXPECT_EQ(ids(proxy), QStringList({"wtg-010"}));

    // A part of a location finds every turbine there.
    proxy.setFilterText("th rid");
    EXPECT_EQ(ids(proxy), QStringList({"WTG-001", "WTG-004"}));

    proxy.setFilterText("nowhere");
    EXPECT_EQ(proxy.rowCount(), 0);
}

TEST(TurbineFilterProxyModel, StatusFilterCombinesWithText)
{
    QStandardItemModel model;
    QList<Row> rows = kRows;
    rows << Row{11, "WTG-011", "West Valley", 10, "", -1};
    fill(model, rows);
    TurbineFilterProxyModel proxy;
    proxy.setSourceModel(&model);

    proxy.setStatusFilter(2);
    EXPECT_EQ(ids(proxy), QStringList({"WTG-003", "WTG-004"}));
    proxy.setFilterText("north");
    EXPECT_EQ(ids(proxy), QStringList({"WTG-004"}));
    proxy.setFilterText("");

    // A row without a status value does not pass as "Active".
    proxy.setStatusFilter(0);
    EXPECT_EQ(ids(proxy), QStringList({"WTG-001"}));

    proxy.setStatusFilter(-1);
    EXPECT_EQ(proxy.rowCount(), 6);
    proxy.setStatusFilter(-5);
    EXPECT_EQ(proxy.rowCount(), 6);
    EXPECT_EQ(proxy.getStatusFilter(), -5);
}

TEST(TurbineFilterProxyModel, UnchangedFilterDoesNotRefilter)
{
    QStandardItemModel model;
    fill(model, kRows);
    CountingProxy proxy;
    proxy.setSourceModel(&model);

    proxy.setFilterText("ridge");
    EXPECT_EQ(proxy.rowCount(), 2);
    proxy.tested = 0;
    proxy.setFilterText("  ridge ");
    EXPECT_EQ(proxy.tested, 0);
    proxy.setFilterText("Ridge");
    EXPECT_GT(proxy.tested, 0);

    proxy.setStatusFilter(1);
    proxy.tested = 0;
    proxy.setStatusFilter(1);
    EXPECT_EQ(proxy.tested, 0);
}

TEST(TurbineFilterProxyModel, RejectsEverythingWithoutSource)
{
    CountingProxy proxy;
    EXPECT_FALSE(proxy.accepts(0));
    EXPECT_EQ(proxy.rowCount(), 0);
}

TEST(TurbineFilterProxyModel, SortsNumbersByValueAndTextsByText)
{
    QStandardItemModel model;
    fill(model, kRows);
    TurbineFilterProxyModel proxy;
    proxy.setSourceModel(&model);

    proxy.sort(5, Qt::AscendingOrder); // output: 0, 95, 900, 1938, 2404 kW
    EXPECT_EQ(ids(proxy), QStringList({"wtg-010", "WTG-002", "WTG-001", "WTG-003", "WTG-004"}));

    proxy.sort(0, Qt::DescendingOrder); // position 10 after 4, not between 1 and 2
    EXPECT_EQ(ids(proxy).first(), "wtg-010");

    proxy.sort(1, Qt::AscendingOrder); // ids as text, ignoring case
    EXPECT_EQ(ids(proxy), QStringList({"WTG-001", "WTG-002", "WTG-003", "WTG-004", "wtg-010"}));

    // Rows refilled under an active sort appear in order at once.
    fill(model, {{1, "A", "x", 500, "", 0}, {2, "B", "x", 50, "", 0}});
    proxy.sort(5, Qt::AscendingOrder);
    EXPECT_EQ(ids(proxy), QStringList({"B", "A"}));
    model.item(1, 5)->setData(5000.0, TurbineSortRole);
    EXPECT_EQ(ids(proxy), QStringList({"A", "B"}));
}

TEST(TurbineFilterProxyModel, NextInspectionSortsByDate)
{
    QStandardItemModel model;
    fill(model, kRows);
    TurbineFilterProxyModel proxy;
    proxy.setSourceModel(&model);

    // As text "07 Mar" would come before "28 Feb"; as dates it does not.
    proxy.sort(TurbineFilterProxyModel::NextInspectionColumn, Qt::AscendingOrder);
    EXPECT_EQ(ids(proxy), QStringList({"WTG-002", "WTG-001", "wtg-010", "WTG-003", "WTG-004"}));

    proxy.sort(TurbineFilterProxyModel::NextInspectionColumn, Qt::DescendingOrder);
    EXPECT_EQ(ids(proxy), QStringList({"WTG-004", "WTG-003", "wtg-010", "WTG-001", "WTG-002"}));

    // Equal dates and equal values keep the model's order, in both kinds of key.
    fill(model, {{1, "A", "x", 70, "07 Mar 2025", 0},
                 {2, "B", "x", 70, "07 Mar 2025", 0},
                 {3, "C", "x", 70, "07 Mar 2025", 0}});
    // Each sort starts from the model's order (an earlier sort's order,
    // reversed twice, would hide a comparison that reverses equal rows).
    for (int column : {int(TurbineFilterProxyModel::NextInspectionColumn), 5})
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            proxy.sort(-1);
            proxy.sort(column, order);
            EXPECT_EQ(ids(proxy), QStringList({"A", "B", "C"})) << column << " " << order;
        }
}
