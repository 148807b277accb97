#pragma once

#include "RecordTableModel.h"
#include "Records.h"

#include <QPixmap>
#include <vector>

namespace dvk {

class IconLibrary;

// The icons of the Notes list: the notes of the data store in list order. Each row shows the
// note's title, its icon from the library and, as its tooltip, its date in the user's date
// format.
class NotesModel final : public RecordTableModel<NoteRecord>
{
    Q_OBJECT

public:
    // `icons` may be null: rows then show no icon.
    explicit NotesModel(const IconLibrary* icons, QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    QString titleAt(int row) const;

private:
    void reloadIcons();

    const IconLibrary* m_icons;
    std::vector<QPixmap> m_pixmaps;
};

} // namespace dvk
