#pragma once

#include <QAbstractTableModel>
#include <QSet>
#include <algorithm>
#include <utility>
#include <vector>

namespace dvk {

// The row bookkeeping of a report list: rows are records of the data store held by pointer in
// display order (the lists keep no copies, and their texts are computed whenever the view asks);
// subclasses supply the columns and texts. Reordering keeps the selection and the current row on
// their records.
template <class T> class RecordTableModel : public QAbstractTableModel
{
public:
    explicit RecordTableModel(QObject* parent = nullptr)
        : QAbstractTableModel(parent)
    {}

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }

    const std::vector<T*>& records() const { return m_rows; }
    T* recordAt(int row) const
    {
        return row >= 0 && row < rowCount() ? m_rows[size_t(row)] : nullptr;
    }
    int rowOf(const T* record) const
    {
        const auto it = std::find(m_rows.begin(), m_rows.end(), record);
        return it == m_rows.end() ? -1 : int(it - m_rows.begin());
    }

    void setRecords(std::vector<T*> records)
    {
        beginResetModel();
        m_rows = std::move(records);
        endResetModel();
    }

    // Appends a row and returns it.
    int append(T* record)
    {
        const int row = rowCount();
        beginInsertRows({}, row, row);
        m_rows.push_back(record);
        endInsertRows();
        return row;
    }

    // Takes the rows of these records out, in runs from the bottom up.
    void removeRecords(const QSet<const T*>& records)
    {
        int row = rowCount() - 1;
        while (row >= 0) {
            if (!records.contains(m_rows[size_t(row)])) {
                --row;
                continue;
            }
            const int last = row;
            while (row > 0 && records.contains(m_rows[size_t(row - 1)]))
                --row;
            beginRemoveRows({}, row, last);
            m_rows.erase(m_rows.begin() + row, m_rows.begin() + last + 1);
            endRemoveRows();
            --row;
        }
    }

    // Moves the rows into a new order: `oldRows[i]` is the row that becomes row i.
    void reorder(const std::vector<int>& oldRows)
    {
        if (oldRows.size() != m_rows.size())
            return;
        bool moved = false;
        for (size_t i = 0; i < oldRows.size() && !moved; ++i)
            moved = oldRows[i] != int(i);
        if (!moved) {
            rowsChanged();
            return;
        }
        Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        std::vector<int> newRow(m_rows.size());
        std::vector<T*> ordered;
        ordered.reserve(m_rows.size());
        for (const int old : oldRows) {
            newRow[size_t(old)] = int(ordered.size());
            ordered.push_back(m_rows[size_t(old)]);
        }
        m_rows = std::move(ordered);
        const QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex& old : before)
            after << index(newRow[size_t(old.row())], old.column());
        changePersistentIndexList(before, after);
        Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

    // Puts the rows in the order a stable sort of their `key`s with `less` gives.
    template <class Key, class Less> void sortRows(Key key, Less less)
    {
        using K = decltype(key(static_cast<const T*>(nullptr)));
        std::vector<std::pair<K, int>> keyed;
        keyed.reserve(m_rows.size());
        for (size_t i = 0; i < m_rows.size(); ++i)
            keyed.emplace_back(key(m_rows[i]), int(i));
        std::stable_sort(keyed.begin(), keyed.end(),
                         [&less](const auto& a, const auto& b) { return less(a.first, b.first); });
        std::vector<int> oldRows;
        oldRows.reserve(keyed.size());
        for (const auto& [k, row] : keyed)
            oldRows.push_back(row);
        reorder(oldRows);
    }

    // Tells the views that the texts of one row, or of every row, changed.
    void rowChanged(int row)
    {
        if (row >= 0 && row < rowCount())
            Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
    void rowsChanged()
    {
        if (!m_rows.empty())
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }

private:
    std::vector<T*> m_rows;
};

} // namespace dvk
