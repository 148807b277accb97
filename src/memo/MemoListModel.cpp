#include "MemoListModel.h"

#include "ColumnHeaders.h"
#include "IconLibrary.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace dvk {

MemoListModel::MemoListModel(const MemoSchedule& schedule, const IconLibrary* icons,
                             QObject* parent)
    : RecordTableModel(parent)
    , m_schedule(schedule)
    , m_icons(icons)
{
    if (m_icons)
        connect(m_icons, &IconLibrary::changed, this, &MemoListModel::iconsChanged);
}

void MemoListModel::iconsChanged()
{
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, TimeColumn), index(rowCount() - 1, TimeColumn),
                           {Qt::DecorationRole});
}

int MemoListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MemoListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const MemoRecord& memo = *recordAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case TimeColumn:
            return m_schedule.timeText(memo);
        case StatusColumn:
            return m_schedule.statusText(memo);
        case NoteColumn:
            return QString::fromLocal8Bit(memo.text);
        default:
            return {};
        }
    case Qt::DecorationRole:
        if (index.column() == TimeColumn && m_icons) {
            // An index without a picture shows no icon.
            const QImage icon = m_icons->smallIcon(memo.imageIndex);
            if (!icon.isNull())
                return icon;
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::AlignVCenter | (index.column() == StatusColumn ? Qt::AlignRight : Qt::AlignLeft));
    default:
        return {};
    }
}

QVariant MemoListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QList<HeaderColumn> columns{
        {u"Time"_s}, {u"Status"_s, Qt::AlignRight | Qt::AlignVCenter}, {u"Note"_s}};
    return columnHeaderData(columns, section, orientation, role);
}

void MemoListModel::sortByDueMoment()
{
    sortRows([](const MemoRecord* memo) { return MemoSchedule::sortKey(*memo); },
             std::less<MemoSchedule::Moment>());
}

} // namespace dvk
