#pragma once

#include "RecordTableModel.h"
#include "Records.h"

namespace dvk {

// The rows of the category list: each category's name and its total ("%.02lf"), the total
// computed afresh whenever a row is drawn.
class PurseCategoryModel final : public RecordTableModel<PurseCategory>
{
    Q_OBJECT

public:
    enum Column
    {
        NameColumn,
        TotalColumn,
        ColumnCount
    };

    explicit PurseCategoryModel(QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Orders the rows by name, ignoring case; equal names keep their order.
    void sortByName();
};

} // namespace dvk
