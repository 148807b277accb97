#include "ColumnHeaders.h"

namespace dvk {

QVariant columnHeaderData(const QList<HeaderColumn>& columns, int section,
                          Qt::Orientation orientation, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns.size())
        return {};
    const HeaderColumn& column = columns[section];
    if (role == Qt::DisplayRole && !column.title.isNull())
        return column.title;
    if (role == Qt::TextAlignmentRole && column.alignment != Qt::Alignment())
        return QVariant::fromValue(column.alignment);
    return {};
}

} // namespace dvk
