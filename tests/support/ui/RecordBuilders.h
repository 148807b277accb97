#pragma once

#include "DataStore.h"

#include <QDate>
#include <initializer_list>
#include <utility>

// Records for panel tests, each added with the fields a test cares about.
namespace dvk::test {

// Adds an item with facts (name, value pairs) to a store.
inline ArchiveItem* addItem(DataStore& store, const char* category, const char* name,
                            std::initializer_list<std::pair<const char*, const char*>> facts = {})
{
    ArchiveItem* item = store.archiveItems.add();
    item->category = category;
    item->name = name;
    for (const auto& [factName, value] : facts) {
        ArchiveField* field = item->fields.add();
        field->name = factName;
        field->value = value;
    }
    return item;
}

inline NoteRecord* addNote(ArchiveItem& item, int year, int month, int day, const char* text,
                           int imageIndex = 0)
{
    NoteRecord* note = item.notes.add();
    note->year = year;
    note->month = month;
    note->day = day;
    note->text = text;
    note->imageIndex = imageIndex;
    return note;
}

inline PurseEntry* addEntry(PurseCategory& category, QDate date, double amount,
                            const char* note = "x")
{
    PurseEntry* entry = category.entries.add();
    entry->year = date.year();
    entry->month = date.month();
    entry->day = date.day();
    entry->amount = amount;
    entry->note = note;
    return entry;
}

} // namespace dvk::test
