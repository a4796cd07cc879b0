#include "TurbineFilterProxyModel.h"

#include "WindFarmSnapshot.h"

#include <QDate>

TurbineFilterProxyModel::TurbineFilterProxyModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void TurbineFilterProxyModel::setFilterText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed == filterText)
        return;
    filterText = trimmed;
    invalidateFilter();
}

void TurbineFilterProxyModel::setStatusFilter(int status)
{
    if (status == statusFilter)
        return;
    statusFilter = status;
    invalidateFilter();
}

bool TurbineFilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QAbstractItemModel* source = sourceModel();
    if (!source)
        return false;

    if (!filterText.isEmpty()) {
        const QString id = source->index(sourceRow, IdColumn, sourceParent).data().toString();
        if (id.indexOf(filterText, 0, Qt::CaseInsensitive) < 0) {
            const QString location = source->index(sourceRow, LocationColumn, sourceParent).data().toString();
            if (location.indexOf(filterText, 0, Qt::CaseInsensitive) < 0)
                return false;
        }
    }

    if (statusFilter >= 0) {
        // A row without a status value matches no particular status (it must
        // not pass as status 0).
        const QVariant value = source->index(sourceRow, StatusColumn, sourceParent).data(TurbineStatusRole);
        bool ok = false;
        const int status = value.toInt(&ok);
        if (!value.isValid() || !ok || status != statusFilter)
            return false;
    }
    return true;
}

bool TurbineFilterProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QVariant leftKey = left.data(TurbineSortRole);
    const QVariant rightKey = right.data(TurbineSortRole);
    if (leftKey.isValid() && rightKey.isValid())
        return leftKey.toDouble() < rightKey.toDouble();

    // "07 Mar 2025" sorts before "28 Feb 2025" as text; compare the dates.
    if (left.column() == NextInspectionColumn && right.column() == NextInspectionColumn) {
        const QDate a = parseInspectionDate(left.data().toString());
        const QDate b = parseInspectionDate(right.data().toString());
        if (a.isValid() && b.isValid())
            return a < b;
        if (a.isValid() != b.isValid())
            return a.isValid(); // dated rows before undated ones
    }
    return QSortFilterProxyModel::lessThan(left, right);
}
