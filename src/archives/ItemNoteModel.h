#pragma once

#include "RecordTableModel.h"
#include "Records.h"

namespace dvk {

class IconLibrary;

// The rows of an archive item's note list: "Date" with the note's icon and its date in the
// user's date format, and "Note" with the one-line summary of its text.
class ItemNoteModel final : public RecordTableModel<NoteRecord>
{
    Q_OBJECT

public:
    enum Column
    {
        DateColumn,
        NoteColumn,
        ColumnCount
    };

    explicit ItemNoteModel(const IconLibrary& icons, QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Puts an icon index the library does not have back to the first icon, in the record.
    void fixImageIndex(NoteRecord& note) const;
    // Orders the rows by date, newest first unless `oldestFirst`.
    void sortByDate(bool oldestFirst);

private:
    const IconLibrary& m_icons;
};

} // namespace dvk
