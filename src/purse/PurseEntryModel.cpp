#include "PurseEntryModel.h"

#include "FormatDate.h"
#include "NumberFormat.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace dvk {

PurseEntryModel::PurseEntryModel(QObject* parent)
    : PurseRowModel(parent)
{}

int PurseEntryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PurseEntryModel::data(const QModelIndex& index, int role) const
{
    const PurseEntry* entry = recordAt(index.row());
    if (!entry)
        return {};
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case DateColumn:
            return FormatDate(entry->year, entry->month, entry->day);
        case NoteColumn:
            return QString::fromLocal8Bit(entry->note);
        case AmountColumn:
            return formatAmount(entry->amount);
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole)
        return index.column() == AmountColumn ? int(Qt::AlignRight | Qt::AlignVCenter)
                                              : int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant PurseEntryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        switch (section) {
        case DateColumn:
            return u"Date"_s;
        case NoteColumn:
            return u"Note"_s;
        case AmountColumn:
            return u"Amount"_s;
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole)
        return section == AmountColumn ? int(Qt::AlignRight | Qt::AlignVCenter)
                                       : int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

void PurseEntryModel::sortByDate(bool oldestFirst)
{
    const auto key = [](const PurseEntry* e) {
        return e->dateKey();
    };
    if (oldestFirst)
        sortRows(key, std::less<qint64>());
    else
        sortRows(key, std::greater<qint64>());
}

} // namespace dvk
