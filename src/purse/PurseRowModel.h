#pragma once

#include <QAbstractTableModel>
#include <QSet>
#include <algorithm>
#include <numeric>
#include <vector>

namespace dvk {

// The rows of a Purse list: records of the data store held by pointer in display order (the
// list keeps no copies, and its texts are computed whenever the view asks). Reordering keeps the
// selection and the current row on their records.
template <class Record> class PurseRowModel : public QAbstractTableModel
{
public:
    explicit PurseRowModel(QObject* parent = nullptr)
        : QAbstractTableModel(parent)
    {}

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }

    const std::vector<Record*>& records() const { return m_rows; }
    Record* recordAt(int row) const
    {
        return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)] : nullptr;
    }
    int rowOf(const Record* record) const
    {
        const auto it = std::find(m_rows.begin(), m_rows.end(), record);
        return it == m_rows.end() ? -1 : int(it - m_rows.begin());
    }

    void setRecords(std::vector<Record*> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    // Appends a row and returns its number.
    int append(Record* record)
    {
        const int row = int(m_rows.size());
        beginInsertRows({}, row, row);
        m_rows.push_back(record);
        endInsertRows();
        return row;
    }
    // Takes the rows of these records out, keeping the order of the others.
    void removeRecords(const QSet<const Record*>& doomed)
    {
        if (doomed.isEmpty())
            return;
        beginResetModel();
        std::erase_if(m_rows, [&doomed](const Record* r) { return doomed.contains(r); });
        endResetModel();
    }
    // Tells the view that a row's texts changed.
    void rowChanged(int row)
    {
        if (row >= 0 && row < int(m_rows.size()))
            Q_EMIT this->dataChanged(this->index(row, 0), this->index(row, columnCount() - 1));
    }

protected:
    // Puts the rows in the order a stable sort with `less` gives.
    template <class Key, class Less> void sortRows(Key key, Less less)
    {
        using K = decltype(key(static_cast<const Record*>(nullptr)));
        std::vector<std::pair<K, int>> keyed;
        keyed.reserve(m_rows.size());
        for (size_t i = 0; i < m_rows.size(); ++i)
            keyed.emplace_back(key(m_rows[i]), int(i));
        std::stable_sort(keyed.begin(), keyed.end(),
                         [&less](const auto& a, const auto& b) { return less(a.first, b.first); });

        Q_EMIT this->layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        std::vector<Record*> sorted(m_rows.size());
        std::vector<int> newRowOf(m_rows.size());
        for (size_t i = 0; i < keyed.size(); ++i) {
            sorted[i] = m_rows[size_t(keyed[i].second)];
            newRowOf[size_t(keyed[i].second)] = int(i);
        }
        m_rows = std::move(sorted);
        const QModelIndexList from = this->persistentIndexList();
        QModelIndexList to;
        to.reserve(from.size());
        for (const QModelIndex& index : from)
            to << this->index(newRowOf[size_t(index.row())], index.column());
        this->changePersistentIndexList(from, to);
        Q_EMIT this->layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

private:
    std::vector<Record*> m_rows;
};

} // namespace dvk
