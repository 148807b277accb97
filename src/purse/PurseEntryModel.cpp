#include "PurseEntryModel.h"

#include "ColumnHeaders.h"
#include "FormatDate.h"
#include "NumberFormat.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace dvk {

PurseEntryModel::PurseEntryModel(QObject* parent)
    : RecordTableModel(parent)
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
    static const QList<HeaderColumn> columns{
        {u"Date"_s}, {u"Note"_s}, {u"Amount"_s, Qt::AlignRight | Qt::AlignVCenter}};
    return columnHeaderData(columns, section, orientation, role);
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
