#pragma once

#include "Records.h"

#include <QList>
#include <span>

namespace dvk {

// The totals that the Purse panel shows, computed afresh on every call (nothing is
// cached). A category's own total is PurseCategory::total(); every total is shown with
// formatAmount() ("%.02lf").

// The sum of the category totals, in the order given.
double sumOfCategoryTotals(std::span<const PurseCategory* const> categories);

// The number in the panel's total field while the category list has a window: `rows` are the
// category list's records in row order and `selectedRows` the numbers of its selected rows, in
// any order (duplicates and numbers out of range are ignored). With at least one row selected,
// the sum over the selected rows, visited in row order; else the sum over all rows.
double panelTotal(std::span<const PurseCategory* const> rows, QList<int> selectedRows);

// The number in the total field before the category list has a window: the sum over all
// categories of the data store, in store order.
double panelTotal(const RecordList<PurseCategory>& storeCategories);

// The selected row numbers that exist among `rowCount` rows, in row order, each once.
QList<int> selectedRowsInOrder(QList<int> selectedRows, qsizetype rowCount);

} // namespace dvk
