#pragma once

#include "DialogUnits.h"
#include "IconChoice.h"
#include "ItemPartList.h"

#include <QDate>
#include <functional>
#include <optional>
#include <utility>

namespace dvk {

class DataStore;
class IconLibrary;
class ItemNoteModel;
struct ArchiveItem;
struct NoteRecord;

// The note list of the Archives panel: the dated notes of the shown item with their icons,
// newest first until "Reverse Order" flips the order. New and pasted notes join at the end until
// the item is shown again. Before every command and menu the list checks that the shown item is
// still in the store and otherwise acts as if no item were shown.
class ItemNoteList final : public ItemPartList
{
    Q_OBJECT

public:
    // What the note dialog returns on OK.
    struct NoteInput
    {
        QDate date;
        QString text;
    };
    // Runs the note dialog preset with a date and text; nullopt when cancelled.
    using NoteEditor =
        std::function<std::optional<NoteInput>(QWidget* parent, const NoteInput& preset)>;

    explicit ItemNoteList(DataStore& store, QWidget* parent = nullptr);
    ItemNoteList(DataStore& store, const IconLibrary& icons, QWidget* parent = nullptr);
    ~ItemNoteList() override;

    // Date and Note widths for a client area `width` pixels wide, in the font `units` measure.
    static std::pair<int, int> columnWidths(int width, const DialogUnits& units);

    ItemNoteModel* noteModel() const { return m_model; }
    bool isOldestFirst() const { return m_oldestFirst; }
    void setNoteEditor(NoteEditor editor);
    void setIconChooser(IconChooser chooser);

    // Shows the notes of `item` sorted by date (none for a null item or one not in the store).
    void showItem(ArchiveItem* item);
    std::unique_ptr<QMenu> makeContextMenu() override;
    void recomputeColumns() override;

public Q_SLOTS:
    void reverseOrder();
    void chooseImage();
    void add();
    void paste();
    void edit();
    void remove();

protected:
    void editCommand() override { edit(); }
    void dropRows() override;

private:
    void appendNote(NoteRecord* note);

    ItemNoteModel* m_model;
    bool m_oldestFirst = false;
    NoteEditor m_editNote;
    IconChooser m_chooseIcon;
};

} // namespace dvk
