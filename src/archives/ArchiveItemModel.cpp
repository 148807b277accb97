#include "ArchiveItemModel.h"

#include "ArchiveFilter.h"
#include "ColumnHeaders.h"

using namespace Qt::StringLiterals;

namespace dvk {

int ArchiveItemModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant ArchiveItemModel::data(const QModelIndex& index, int role) const
{
    const ArchiveItem* item = recordAt(index.row());
    if (!item || index.column() != 0 || role != Qt::DisplayRole)
        return {};
    return QString::fromLocal8Bit(item->name);
}

QVariant ArchiveItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QList<HeaderColumn> columns{{u"Name"_s}};
    return columnHeaderData(columns, section, orientation, role);
}

void ArchiveItemModel::sortByName()
{
    reorder(ArchiveFilter::nameOrder(records()));
}

} // namespace dvk
