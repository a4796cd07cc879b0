#pragma once

// Filter and sort layer between the turbine list model and its table: hides
// rows that miss the search text or the chosen status, and sorts numeric and
// date columns by value instead of by their formatted texts.

#include <QSortFilterProxyModel>

// Item roles that the turbine list writes and this model reads.
enum TurbineItemRole
{
    TurbineStatusRole = Qt::UserRole + 11, // int TurbineStatus, on the status column
    TurbineSortRole = Qt::UserRole + 12,   // numeric sort key of a cell
    TurbineIdRole = Qt::UserRole + 13      // turbine id, on every cell of a row
};

class TurbineFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    // Columns of the turbine list that the filter and the sort look at.
    static constexpr int IdColumn = 1;
    static constexpr int LocationColumn = 2;
    static constexpr int NextInspectionColumn = 7;
    static constexpr int StatusColumn = 8;

    explicit TurbineFilterProxyModel(QObject* parent = nullptr);

    void setFilterText(const QString& text);
    QString getFilterText() const { return filterText; }
    // A TurbineStatus value 0 to 3, or a negative value for every status.
    void setStatusFilter(int status);
    int getStatusFilter() const { return statusFilter; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QString filterText;
    int statusFilter = -1;
};
