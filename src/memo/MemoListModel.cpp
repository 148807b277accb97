#include "MemoListModel.h"

#include "IconLibrary.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace dvk {

MemoListModel::MemoListModel(const MemoSchedule& schedule, const IconLibrary* icons,
                             QObject* parent)
    : QAbstractTableModel(parent)
    , m_schedule(schedule)
    , m_icons(icons)
{
    if (m_icons)
        connect(m_icons, &IconLibrary::changed, this, &MemoListModel::iconsChanged);
}

void MemoListModel::iconsChanged()
{
    if (!m_memos.empty())
        Q_EMIT dataChanged(index(0, TimeColumn), index(rowCount() - 1, TimeColumn),
                           {Qt::DecorationRole});
}

int MemoListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_memos.size());
}

int MemoListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MemoListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const MemoRecord& memo = *m_memos[size_t(index.row())];
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
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        switch (section) {
        case TimeColumn:
            return u"Time"_s;
        case StatusColumn:
            return u"Status"_s;
        case NoteColumn:
            return u"Note"_s;
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (section == StatusColumn ? Qt::AlignRight : Qt::AlignLeft));
    return {};
}

void MemoListModel::setMemos(std::vector<MemoRecord*> memos)
{
    beginResetModel();
    m_memos = std::move(memos);
    endResetModel();
}

int MemoListModel::append(MemoRecord* memo)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_memos.push_back(memo);
    endInsertRows();
    return row;
}

void MemoListModel::removeMemos(const QSet<const MemoRecord*>& memos)
{
    // Runs of rows are removed from the bottom up, so the rows above keep their numbers.
    int row = rowCount() - 1;
    while (row >= 0) {
        if (!memos.contains(m_memos[size_t(row)])) {
            --row;
            continue;
        }
        const int last = row;
        while (row > 0 && memos.contains(m_memos[size_t(row - 1)]))
            --row;
        beginRemoveRows({}, row, last);
        m_memos.erase(m_memos.begin() + row, m_memos.begin() + last + 1);
        endRemoveRows();
        --row;
    }
}

MemoRecord* MemoListModel::memoAt(int row) const
{
    return row >= 0 && row < rowCount() ? m_memos[size_t(row)] : nullptr;
}

int MemoListModel::rowOf(const MemoRecord* memo) const
{
    const auto it = std::find(m_memos.begin(), m_memos.end(), memo);
    return it == m_memos.end() ? -1 : int(it - m_memos.begin());
}

void MemoListModel::sortByDueMoment()
{
    std::vector<std::pair<MemoSchedule::Moment, int>> keys;
    keys.reserve(m_memos.size());
    for (size_t row = 0; row < m_memos.size(); ++row)
        keys.emplace_back(MemoSchedule::sortKey(*m_memos[row]), int(row));
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    // Nothing moves: skip the layout change and its remapping.
    if (std::all_of(keys.begin(), keys.end(),
                    [&keys](const auto& k) { return k.second == int(&k - keys.data()); })) {
        if (!m_memos.empty())
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1),
                               {Qt::DisplayRole});
        return;
    }

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> newRow(m_memos.size());
    std::vector<MemoRecord*> sorted;
    sorted.reserve(m_memos.size());
    for (const auto& [key, oldRow] : keys) {
        newRow[size_t(oldRow)] = int(sorted.size());
        sorted.push_back(m_memos[size_t(oldRow)]);
    }
    m_memos = std::move(sorted);
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after << index(newRow[size_t(old.row())], old.column());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void MemoListModel::rowChanged(int row)
{
    if (row >= 0 && row < rowCount())
        Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

} // namespace dvk
