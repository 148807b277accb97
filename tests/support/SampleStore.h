#pragma once

#include "DataFile.h"
#include "DataPaths.h"
#include "DataStore.h"
#include "TestData.h"

#include <tuple>

namespace dvk::test {

// A store with every kind of record and the texts and numbers that exports get wrong: quotes,
// commas, line breaks, non-ASCII letters, a damaged date, amounts without a short decimal form.
inline void fillSample(DataStore& store)
{
    ArchiveItem* item = store.archiveItems.add();
    std::tie(item->createdYear, item->createdMonth, item->createdDay) = std::tuple(2005, 13, 40);
    item->name = "Bank \"Nord\", Zürich";
    item->category = "Money";
    ArchiveField* f = item->fields.add();
    f->name = "IBAN";
    f->value = "CH93 | 0076";
    NoteRecord* in = item->notes.add();
    std::tie(in->year, in->month, in->day, in->imageIndex) = std::tuple(2021, 2, 3, 7);
    in->text = "Opened\r\nsecond line";

    PurseCategory* food = store.purseCategories.add();
    food->name = "Food, drinks";
    const double amounts[] = {12.5, 0.1, -3.0, 1.0 / 3.0, 1e20};
    int day = 1;
    for (double amount : amounts) {
        PurseEntry* e = food->entries.add();
        std::tie(e->year, e->month, e->day) = std::tuple(2024, 3, day++);
        e->note = "Caf\xc3\xa9 \"Au\" lait\nbar";
        e->amount = amount;
    }
    store.purseCategories.add()->name = "Empty";

    MemoRecord* m = store.memos.add();
    std::tie(m->createdYear, m->createdMonth, m->createdDay) = std::tuple(2024, 1, 2);
    m->text = "Dentist, 3rd floor";
    m->imageIndex = 12;
    std::tie(m->dueYear, m->dueMonth, m->dueDay) = std::tuple(2024, 5, 6);
    std::tie(m->dueHour, m->dueMinute, m->dueSecond, m->anyTime) = std::tuple(14, 30, 5, 0);
    m->beep = 1;
    m->recurrence = MemoRecord::NextMonth;
    MemoRecord* birthday = store.memos.add();
    std::tie(birthday->createdYear, birthday->createdMonth, birthday->createdDay) =
        std::tuple(2020, 6, 1);
    birthday->text = "Birthday";
    std::tie(birthday->dueYear, birthday->dueMonth, birthday->dueDay) = std::tuple(2024, 2, 29);
    birthday->dismissed = 1;
    birthday->recurrence = MemoRecord::NextYear;

    NoteRecord* n = store.notes.add();
    std::tie(n->year, n->month, n->day, n->imageIndex) = std::tuple(1999, 12, 31, 3);
    n->text = "  Shopping\n# milk\n";
}

// Saves a store of one note at `path`, with a password and encrypted (sealed, with a password)
// if asked; the file's bytes, or nothing when it could not be saved.
inline QByteArray saveNote(const QByteArray& text, const QString& path = DataPaths::dataFilePath(),
                           const QByteArray& password = {}, bool encrypted = false)
{
    DataStore store;
    store.notes.add()->text = text;
    store.setPassword(password);
    return DataFile::saveFile(store, path, encrypted).ok ? readFile(path) : QByteArray();
}

} // namespace dvk::test
