// Pictures of the Archives panel with several categories, an item with web, mail and plain facts
// and dated notes, the context menu of each list, DVK Item Property and DVK Basic Info.
#include "ArchiveFieldDialog.h"
#include "ArchiveFieldList.h"
#include "ArchiveItemDialog.h"
#include "ArchiveItemList.h"
#include "ArchiveItemModel.h"
#include "ArchiveSuggestions.h"
#include "ArchivesPanel.h"
#include "CategoryFilterBox.h"
#include "DataStore.h"
#include "EmbeddedMenu.h"
#include "IconLibrary.h"
#include "ItemNoteList.h"
#include "SceneRegistry.h"

#include <QApplication>
#include <QMenu>

using namespace Qt::StringLiterals;
using dvk::shots::embedMenu;

namespace {

struct Fact
{
    const char* name;
    const char* value;
};

dvk::ArchiveItem* addItem(dvk::DataStore& store, const char* category, const char* name,
                          std::initializer_list<Fact> facts = {})
{
    dvk::ArchiveItem* item = store.archiveItems.add();
    item->category = category;
    item->name = name;
    for (const Fact& fact : facts) {
        dvk::ArchiveField* field = item->fields.add();
        field->name = fact.name;
        field->value = fact.value;
    }
    return item;
}

void addNote(dvk::ArchiveItem& item, int year, int month, int day, int icon, const char* text)
{
    dvk::NoteRecord* note = item.notes.add();
    note->year = year;
    note->month = month;
    note->day = day;
    note->imageIndex = icon;
    note->text = text;
}

// Items in several categories; the first bank item has facts of every kind and notes.
dvk::DataStore& sampleStore()
{
    static dvk::DataStore store;
    if (!store.archiveItems.isEmpty())
        return store;
    dvk::ArchiveItem* giro = addItem(store, "Bank", "Giro account",
                                     {{"Web", "https://www.citybank.example/login"},
                                      {"Mail", "service@citybank.example"},
                                      {"IBAN", "DE89 3704 0044 0532 0130 00"},
                                      {"Phone", "+49 30 1234 5678"},
                                      {"Branch", "Main street 12"}});
    addNote(*giro, 2024, 3, 2, 3, "New card ordered, the old one expires in April.");
    addNote(*giro, 2023, 11, 20, 12,
            "Overdraft limit raised to 1,500\r\nafter the call with Ms Roth");
    addNote(*giro, 2024, 1, 8, 25, "Standing order for the rent changed to the 28th.");
    addNote(*giro, 2022, 6, 15, 40, "Account opened.");
    addItem(store, "Bank", "Credit card", {{"Web", "http://cards.example"}});
    addItem(store, "Online banking", "Broker", {{"Web", "https://broker.example"}});
    addItem(store, "Bank accounts", "Savings plan", {{"Rate", "2.1 %"}});
    addItem(store, "Bank", "Safe deposit box");
    addItem(store, "Insurance", "Car insurance", {{"Policy", "KF-2291-77"}});
    addItem(store, "Insurance", "Household");
    addItem(store, "Travel", "Passport", {{"Number", "C01X00T47"}});
    addItem(store, "Doctors", "Dentist", {{"Mail", "praxis@dental.example"}});
    addItem(store, "Savings", "Piggy bank");
    return store;
}

// The panel with the Bank category chosen, as the category box applies it once events run.
std::unique_ptr<QWidget> makePanel()
{
    dvk::IconLibrary::instance().load();
    auto panel = std::make_unique<dvk::ArchivesPanel>(sampleStore());
    panel->resize(640, 400);
    panel->categoryBox()->showText(u"Bank"_s);
    return panel;
}

// Selects the first item once the filter is applied and shows it, as the settled selection does.
dvk::ArchivesPanel* showFirstItem(QWidget* widget)
{
    auto* panel = static_cast<dvk::ArchivesPanel*>(widget);
    QApplication::processEvents();
    dvk::ArchiveItemList* items = panel->itemList();
    items->selectRow(items->itemModel()->rowOf(sampleStore().archiveItems.at(0)));
    panel->showSettledItem();
    return panel;
}

DVK_SCENE({u"archives-panel"_s, &makePanel, [](QWidget* widget) {
               showFirstItem(widget);
           }});

DVK_SCENE({u"archives-item-menu"_s, &makePanel, [](QWidget* widget) {
               dvk::ArchivesPanel* panel = showFirstItem(widget);
               embedMenu(panel, panel->itemList()->makeContextMenu(), QPoint(40, 90));
           }});

DVK_SCENE({u"archives-fact-menu"_s, &makePanel, [](QWidget* widget) {
               dvk::ArchivesPanel* panel = showFirstItem(widget);
               panel->fieldList()->selectRow(0);
               const QPoint at = panel->fieldList()->geometry().topLeft() + QPoint(120, 40);
               embedMenu(panel, panel->fieldList()->makeContextMenu(), at);
           }});

DVK_SCENE({u"archives-note-menu"_s, &makePanel, [](QWidget* widget) {
               dvk::ArchivesPanel* panel = showFirstItem(widget);
               panel->noteList()->selectRow(1);
               const QPoint at = panel->noteList()->geometry().topLeft() + QPoint(160, 50);
               embedMenu(panel, panel->noteList()->makeContextMenu(), at);
           }});

DVK_SCENE({u"archives-item-property"_s,
           [] {
               const dvk::DataStore& store = sampleStore();
               return std::unique_ptr<QWidget>(std::make_unique<dvk::ArchiveItemDialog>(
                   dvk::ArchiveSuggestions::categories(store.archiveItems), u"bank"_s,
                   u"Giro account"_s, true));
           },
           nullptr});

DVK_SCENE({u"archives-item-property-several"_s,
           [] {
               const dvk::DataStore& store = sampleStore();
               return std::unique_ptr<QWidget>(std::make_unique<dvk::ArchiveItemDialog>(
                   dvk::ArchiveSuggestions::categories(store.archiveItems), u"Insurance"_s,
                   QString(), false));
           },
           nullptr});

DVK_SCENE({u"archives-basic-info"_s,
           [] {
               const dvk::DataStore& store = sampleStore();
               return std::unique_ptr<QWidget>(std::make_unique<dvk::ArchiveFieldDialog>(
                   dvk::ArchiveSuggestions::fieldNames(store.archiveItems, "Bank"), u"we"_s,
                   u"https://www.citybank.example/login"_s));
           },
           nullptr});

} // namespace
