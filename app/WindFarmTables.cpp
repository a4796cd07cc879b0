#include "WindFarmTables.h"

#include "CVNQScrollBar.h"
#include "CVNQTableView.h"
#include "WindFarmWidgets.h"

#include <QHeaderView>
#include <QStandardItemModel>

using namespace CVNQtLib;

void styleTable(CVNQTableView* table, bool compact)
{
    styleControl(table, QStringLiteral("WindTable"));
    table->setItemHeight(compact ? kSummaryTableRowHeight : kTurbineTableRowHeight);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QHeaderView* header = table->horizontalHeader();
    header->setSectionsClickable(!compact);
    header->setStretchLastSection(false);
    header->setMinimumHeight(compact ? 30 : 38);

    auto* vertical = new CVNQScrollBar(Qt::Vertical, table);
    vertical->setThemeName(QStringLiteral("WindScrollV"));
    auto* horizontal = new CVNQScrollBar(Qt::Horizontal, table);
    horizontal->setThemeName(QStringLiteral("WindScrollH"));
    table->setVerticalScrollBar(vertical);
    table->setHorizontalScrollBar(horizontal);
}

void setHeaders(QStandardItemModel* model, const char* const* en, const char* const* zh, int count, int language)
{
    if (model->columnCount() < count)
        model->setColumnCount(count);
    for (int c = 0; c < count; ++c) {
        const QString text = bilingual(language, en[c], zh[c]);
        if (model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() != text)
            model->setHeaderData(c, Qt::Horizontal, text, Qt::DisplayRole);
        if (model->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt() != int(Qt::AlignCenter))
            model->setHeaderData(c, Qt::Horizontal, int(Qt::AlignCenter), Qt::TextAlignmentRole);
    }
}

QStandardItem* itemAt(QStandardItemModel* model, int row, int column)
{
    QStandardItem* item = model->item(row, column);
    if (!item) {
        item = new QStandardItem;
        model->setItem(row, column, item);
    }
    return item;
}

void applyColumnWidths(CVNQTableView* table, const int* widths, int count)
{
    // Once: a width the operator dragged must survive the next refill.
    static const char* const kSized = "_wind_columns_sized";
    if (table->property(kSized).toBool())
        return;
    table->setProperty(kSized, true);
    for (int c = 0; c < count; ++c) {
        if (table->columnWidth(c) != widths[c])
            table->setColumnWidth(c, widths[c]);
    }
}

QString efficiencyText(double percent)
{
    return fixedNumber(percent, 1) + QLatin1Char('%');
}
