#include "ArchiveFieldModel.h"

#include "ColumnHeaders.h"
using namespace Qt::StringLiterals;

namespace dvk {

int ArchiveFieldModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ArchiveFieldModel::data(const QModelIndex& index, int role) const
{
    const ArchiveField* field = recordAt(index.row());
    if (!field || role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case NameColumn:
        return QString::fromLocal8Bit(field->name);
    case ValueColumn:
        return QString::fromLocal8Bit(field->value);
    default:
        return {};
    }
}

QVariant ArchiveFieldModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QList<HeaderColumn> columns{{u"Basic Info."_s}, {}};
    return columnHeaderData(columns, section, orientation, role);
}

} // namespace dvk
