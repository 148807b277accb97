#pragma once

#include "IconChoice.h"
#include "NotesPanelFrame.h"
#include "Records.h"

#include <functional>
#include <memory>
#include <optional>

class QListView;
class QMenu;

namespace dvk {

class NoteDialog;
class NotesModel;

// The Notes panel: every note of the data store as a large icon with its title, in the order the
// notes were added. Add and Edit work through "DVK Note", Paste makes a note of the clipboard
// text, Image picks an icon in the Image Center, Remove deletes the selected notes after asking.
// Notes are changed in the data store in place.
class NotesPanel final : public NotesPanelFrame
{
    Q_OBJECT

public:
    // The width of an icon's cell; its label is cut to fit.
    static constexpr int CellWidth = 96;

    // Runs a note dialog modally; true when it ended with OK.
    using DialogRunner = std::function<bool(NoteDialog&)>;

    // Shows `notes`; an icon index beyond the program's icon library is set to 0 first (in the
    // note itself).
    NotesPanel(RecordList<NoteRecord>& notes, const Clock& clock, QWidget* parent = nullptr);
    ~NotesPanel() override;

    QListView* listView() const { return m_view; }
    NotesModel* model() const { return m_model; }
    void setDialogRunner(DialogRunner runner);
    void setIconChooser(IconChooser chooser);
    // Makes note `index` of the store the only selected icon and scrolls to it; false for an
    // index outside the store.
    bool showNote(int index);
    // The context menu, its entries enabled for the current selection and clipboard.
    std::unique_ptr<QMenu> makeContextMenu();

    // Sets every icon index that is negative or not below `iconCount` to 0; nothing when the
    // library is empty (not loaded), which would otherwise reset every note.
    static void correctImageIndexes(const RecordList<NoteRecord>& notes, int iconCount);

public Q_SLOTS:
    void add();
    void paste();
    void edit();
    void chooseImage();
    void remove();

private:
    QList<int> selectedRows() const;
    void selectOnly(int row);

    RecordList<NoteRecord>& m_notes;
    const Clock& m_clock;
    QListView* m_view;
    NotesModel* m_model;
    DialogRunner m_runDialog;
    IconChooser m_chooseIcon;
};

} // namespace dvk
