#pragma once

#include "RecordTableModel.h"
#include "Records.h"

namespace dvk {

// The rows of the fact list: the facts of one archive item in the item's order; column 0, "Basic
// Info.", shows the name and the untitled column 1 the value.
class ArchiveFieldModel final : public RecordTableModel<ArchiveField>
{
    Q_OBJECT

public:
    enum Column
    {
        NameColumn,
        ValueColumn,
        ColumnCount
    };

    using RecordTableModel::RecordTableModel;

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
};

} // namespace dvk
