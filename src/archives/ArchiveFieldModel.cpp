#include "ArchiveFieldModel.h"

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
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole && section == NameColumn)
        return u"Basic Info."_s;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

} // namespace dvk
