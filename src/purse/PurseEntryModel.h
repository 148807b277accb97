#pragma once

#include "RecordTableModel.h"
#include "Records.h"

namespace dvk {

// The rows of the entry list: the entries of one category with their date (in the user's date
// format), note and amount ("%.02lf").
class PurseEntryModel final : public RecordTableModel<PurseEntry>
{
    Q_OBJECT

public:
    enum Column
    {
        DateColumn,
        NoteColumn,
        AmountColumn,
        ColumnCount
    };

    explicit PurseEntryModel(QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Orders the rows by date, the oldest or the newest first.
    void sortByDate(bool oldestFirst);
};

} // namespace dvk
