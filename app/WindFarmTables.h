#pragma once

// The look and the filling that the turbine table and the overview's
// summary table share.

#include <QString>

class QStandardItem;
class QStandardItemModel;

namespace CVNQtLib {
class CVNQTableView;
} // namespace CVNQtLib

// Row heights of the turbine table and of the overview's summary table.
constexpr int kTurbineTableRowHeight = 44;
constexpr int kSummaryTableRowHeight = 34;

// The dashboard's table: its theme, row height, single row selection,
// scrolling by pixels and its own scroll bars. A compact table (the
// summary) has lower rows and a header that does not sort.
void styleTable(CVNQtLib::CVNQTableView* table, bool compact);

// Writes the header texts that differ from the model's (a header rewrite
// repaints the header, so unchanged ones are left alone).
void setHeaders(QStandardItemModel* model, const char* const* en, const char* const* zh, int count, int language);

// The item at row and column, made when missing.
QStandardItem* itemAt(QStandardItemModel* model, int row, int column);

// Gives the first count columns their widths the first time it is called
// for the table (touching only those that differ); later calls leave the
// widths as the operator has them.
void applyColumnWidths(CVNQtLib::CVNQTableView* table, const int* widths, int count);

// An efficiency as both tables show it.
QString efficiencyText(double percent);
