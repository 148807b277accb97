#pragma once

#include "Searcher.h"

#include <QAbstractTableModel>
#include <QCache>
#include <QIcon>
#include <array>
#include <memory>
#include <vector>

namespace dvk {

// The rows of the Find window: one per match of the current search, in store order. Matches
// arrive in batches while the search runs; the title, snippet and date of a row are made when
// the view first asks for them, so a search with a hundred thousand hits costs only its rows.
class FindResultModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        TitleColumn,
        SnippetColumn,
        DateColumn,
        ColumnCount
    };

    explicit FindResultModel(QObject* parent = nullptr);

    // Empties the list for a new search over `snapshot`.
    void reset(std::shared_ptr<const SearchSnapshot> snapshot);
    void append(const std::vector<SearchMatch>& matches);
    // The hit of row `row`; an empty hit (index -1) outside the rows.
    SearchHit hit(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::shared_ptr<const SearchSnapshot> m_snapshot;
    std::vector<SearchMatch> m_matches;
    mutable QCache<int, SearchHit> m_described;
    std::array<QIcon, 4> m_icons;
};

} // namespace dvk
