// The "DVK Find" window with hits from each of the four panels.
#include "DataStore.h"
#include "FindWindow.h"
#include "SceneRegistry.h"
#include "SearchRunner.h"

#include <QApplication>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

dvk::DataStore& findStore()
{
    static dvk::DataStore store;
    if (!store.archiveItems.isEmpty())
        return store;
    dvk::ArchiveItem* item = store.archiveItems.add();
    item->name = u"Jürgen Becker"_s.toLocal8Bit();
    item->category = "Friends";
    dvk::ArchiveField* field = item->fields.add();
    field->name = "Address";
    field->value = "Gartenstraße 12, Köln";
    dvk::NoteRecord* note = item->notes.add();
    note->text = "Helped with the garden party; bring the folding chairs back in May.";
    dvk::ArchiveItem* shop = store.archiveItems.add();
    shop->name = "Garden centre Nord";
    shop->category = "Shops";
    dvk::PurseCategory* home = store.purseCategories.add();
    home->name = "Home";
    dvk::PurseEntry* entry = home->entries.add();
    entry->note = "Garden hose and two rakes";
    entry->amount = 34.9;
    store.memos.add()->text = "Water the garden before leaving";
    store.notes.add()->text = "Garden plan\r\nTomatoes along the south wall, herbs by the door, "
                              "beans where the potatoes were last year.";
    store.notes.add()->text = "Recipes\r\nCourgette soup from the garden";
    return store;
}

std::unique_ptr<QWidget> findWindowWithResults()
{
    auto window = std::make_unique<dvk::FindWindow>(findStore());
    window->searchBox()->setText(u"garden"_s);
    window->runner()->waitForDone();
    QApplication::processEvents();
    return window;
}

DVK_SCENE({u"find-window"_s, findWindowWithResults, nullptr});

} // namespace
