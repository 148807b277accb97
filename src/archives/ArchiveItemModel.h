#pragma once

#include "RecordTableModel.h"
#include "Records.h"

namespace dvk {

// The rows of the Archives item list: one column, "Name", with the item's current name.
class ArchiveItemModel final : public RecordTableModel<ArchiveItem>
{
    Q_OBJECT

public:
    using RecordTableModel::RecordTableModel;

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Orders the rows by name (see ArchiveFilter), keeping the selection on its items.
    void sortByName();
};

} // namespace dvk
