#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace dvk {

// One column of a report list's header: its title (none when null) and where the title sits;
// an empty alignment leaves the header view's own.
struct HeaderColumn
{
    QString title;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// What a report list's model answers for its header: the title and alignment of column
// `section` of `columns` in the horizontal header, nothing in the vertical one.
QVariant columnHeaderData(const QList<HeaderColumn>& columns, int section,
                          Qt::Orientation orientation, int role);

} // namespace dvk
