// Pictures of the Notes panel with a dozen notes, "DVK Note" normal and maximised, and the note
// editor's context menu.
#include "EmbeddedMenu.h"
#include "IconLibrary.h"
#include "NoteDialog.h"
#include "NoteEditor.h"
#include "NotesModel.h"
#include "NotesPanel.h"
#include "SceneRegistry.h"

#include <QListView>
#include <QMenu>

using namespace Qt::StringLiterals;
using dvk::shots::embedMenu;

namespace {

const QString SampleText = u"Holiday plans\n\n"
                           "Book the train to Lyon before the end of the month; the timetable is "
                           "at https://www.example.org/trains and the hotel wants a mail to "
                           "reservations@example.org.\n\n"
                           "\t- passport\n\t- charger\n\t- walking shoes"_s;

dvk::RecordList<dvk::NoteRecord>& sampleNotes()
{
    static dvk::RecordList<dvk::NoteRecord> notes(dvk::Clock::system());
    if (!notes.isEmpty())
        return notes;
    struct Sample
    {
        int icon;
        const char* text;
    };
    const Sample samples[] = {
        {0, "Shopping list\nmilk, bread, apples"},
        {3, "\r\n\r\n\tPhone numbers of the neighbours"},
        {12, "Holiday plans: book the train to Lyon before the end of the month"},
        {7, "Recipe for the lemon cake that grandmother used to make every Sunday"},
        {25, "Wi-Fi password at the office"},
        {40, "Books to read"},
        {18, "Ideas for the garden: more tulips along the fence, a bench under the pear tree"},
        {5, "Car service due in May"},
        {9, "Meeting notes 12 March"},
        {31, "https://www.example.org/manuals"},
        {2, "Gift ideas"},
        {14, "Things to ask the doctor"},
    };
    int day = 1;
    for (const Sample& sample : samples) {
        dvk::NoteRecord* note = notes.add();
        note->imageIndex = sample.icon;
        note->text = sample.text;
        note->year = 2024;
        note->month = 3;
        note->day = day++;
    }
    return notes;
}

std::unique_ptr<dvk::NoteDialog> makeDialog()
{
    auto dialog = std::make_unique<dvk::NoteDialog>();
    dialog->setDate(QDate(2024, 3, 15));
    dialog->setText(SampleText);
    return dialog;
}

DVK_SCENE({u"notes-panel"_s,
           [] {
               dvk::IconLibrary::instance().load();
               auto panel = std::make_unique<dvk::NotesPanel>(sampleNotes(), dvk::Clock::system());
               panel->resize(480, 300);
               panel->listView()->selectionModel()->select(panel->model()->index(2, 0),
                                                           QItemSelectionModel::Select);
               return std::unique_ptr<QWidget>(std::move(panel));
           },
           nullptr});

DVK_SCENE({u"note-dialog"_s, [] { return std::unique_ptr<QWidget>(makeDialog()); }, nullptr});

DVK_SCENE({u"note-dialog-maximised"_s, [] { return std::unique_ptr<QWidget>(makeDialog()); },
           [](QWidget* dialog) {
               dialog->showMaximized();
           }});

// The menu is drawn inside the dialog so that one picture shows both.
DVK_SCENE({u"note-editor-context-menu"_s,
           [] {
               auto dialog = makeDialog();
               QTextCursor cursor = dialog->editor()->textCursor();
               cursor.setPosition(0);
               cursor.setPosition(13, QTextCursor::KeepAnchor);
               dialog->editor()->setTextCursor(cursor);
               embedMenu(dialog.get(), dialog->editor()->makeContextMenu(), QPoint(140, 70));
               return std::unique_ptr<QWidget>(std::move(dialog));
           },
           nullptr});

} // namespace
