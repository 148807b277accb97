#pragma once

#include "Records.h"

#include <QAbstractListModel>
#include <QPixmap>
#include <QSet>
#include <vector>

namespace dvk {

class IconLibrary;

// The icons of the Notes list: the notes of the data store in list order, held by pointer (the
// list keeps no copies). Each row shows the note's title (worked out when the row is added or
// the note edited), its icon from the library and, as its tooltip, its date in the user's
// date format.
class NotesModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    // `icons` may be null: rows then show no icon.
    explicit NotesModel(const IconLibrary* icons, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void setNotes(const std::vector<NoteRecord*>& notes);
    // Appends a row and returns it.
    int append(NoteRecord* note);
    // Takes the rows of these notes out.
    void removeNotes(const QSet<const NoteRecord*>& notes);
    NoteRecord* noteAt(int row) const;
    int rowOf(const NoteRecord* note) const;
    QString titleAt(int row) const;
    // The note of `row` changed: its title is worked out again and the view told.
    void noteChanged(int row);

private:
    void reloadIcons();

    const IconLibrary* m_icons;
    std::vector<NoteRecord*> m_notes;
    QStringList m_titles;
    std::vector<QPixmap> m_pixmaps;
};

} // namespace dvk
