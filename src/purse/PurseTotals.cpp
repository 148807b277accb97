#include "PurseTotals.h"

#include <algorithm>

namespace dvk {

double sumOfCategoryTotals(std::span<const PurseCategory* const> categories)
{
    double sum = 0.0;
    for (const PurseCategory* category : categories)
        sum += category->total();
    return sum;
}

double panelTotal(std::span<const PurseCategory* const> rows, QList<int> selectedRows)
{
    const QList<int> selected =
        selectedRowsInOrder(std::move(selectedRows), qsizetype(rows.size()));
    if (selected.isEmpty())
        return sumOfCategoryTotals(rows);
    double sum = 0.0;
    for (const int row : selected)
        sum += rows[size_t(row)]->total();
    return sum;
}

double panelTotal(const RecordList<PurseCategory>& storeCategories)
{
    double sum = 0.0;
    for (const PurseCategory* category : storeCategories)
        sum += category->total();
    return sum;
}

QList<int> selectedRowsInOrder(QList<int> selectedRows, qsizetype rowCount)
{
    selectedRows.removeIf([rowCount](int row) { return row < 0 || row >= rowCount; });
    std::sort(selectedRows.begin(), selectedRows.end());
    selectedRows.erase(std::unique(selectedRows.begin(), selectedRows.end()), selectedRows.end());
    return selectedRows;
}

} // namespace dvk
