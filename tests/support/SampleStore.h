#pragma once

#include "DataStore.h"

namespace dvk::test {

// A store with every kind of record and the texts and numbers that exports get wrong: quotes,
// commas, line breaks, non-ASCII letters, a damaged date, amounts without a short decimal form.
inline void fillSample(DataStore& store)
{
    ArchiveItem* item = store.archiveItems.add();
    item->createdYear = 2005;
    item->createdMonth = 13;
    item->createdDay = 40;
    item->name = "Bank \"Nord\", Zürich";
    item->category = "Money";
    ArchiveField* f = item->fields.add();
    f->name = "IBAN";
    f->value = "CH93 | 0076";
    NoteRecord* in = item->notes.add();
    in->year = 2021;
    in->month = 2;
    in->day = 3;
    in->imageIndex = 7;
    in->text = "Opened\r\nsecond line";

    PurseCategory* food = store.purseCategories.add();
    food->name = "Food, drinks";
    const double amounts[] = {12.5, 0.1, -3.0, 1.0 / 3.0, 1e20};
    int day = 1;
    for (double amount : amounts) {
        PurseEntry* e = food->entries.add();
        e->year = 2024;
        e->month = 3;
        e->day = day++;
        e->note = "Caf\xc3\xa9 \"Au\" lait\nbar";
        e->amount = amount;
    }
    store.purseCategories.add()->name = "Empty";

    MemoRecord* m = store.memos.add();
    m->createdYear = 2024;
    m->createdMonth = 1;
    m->createdDay = 2;
    m->text = "Dentist, 3rd floor";
    m->imageIndex = 12;
    m->dueYear = 2024;
    m->dueMonth = 5;
    m->dueDay = 6;
    m->dueHour = 14;
    m->dueMinute = 30;
    m->dueSecond = 5;
    m->anyTime = 0;
    m->beep = 1;
    m->recurrence = MemoRecord::NextMonth;
    MemoRecord* birthday = store.memos.add();
    birthday->createdYear = 2020;
    birthday->createdMonth = 6;
    birthday->createdDay = 1;
    birthday->text = "Birthday";
    birthday->dueYear = 2024;
    birthday->dueMonth = 2;
    birthday->dueDay = 29;
    birthday->dismissed = 1;
    birthday->recurrence = MemoRecord::NextYear;

    NoteRecord* n = store.notes.add();
    n->year = 1999;
    n->month = 12;
    n->day = 31;
    n->imageIndex = 3;
    n->text = "  Shopping\n# milk\n";
}

} // namespace dvk::test
