#pragma once

#include "DataStore.h"

#include <QRandomGenerator>

namespace dvk::bench {

// A store of about 50 MB on disk in the proportions of a long-used DVK: many plain-text notes,
// archive items with facts and dated notes, a large expense book and some reminders.
inline void fillRealisticStore(DataStore& store, double scale = 1.0)
{
    QRandomGenerator random(2026);
    const auto words = [&random](int approxBytes) {
        static const char* const vocabulary[] = {"meeting", "invoice", "garden", "call", "bank",
                                                 "passport", "renewal", "birthday", "dentist",
                                                 "insurance", "flat", "car", "tax", "holiday"};
        QByteArray text;
        text.reserve(approxBytes + 16);
        while (text.size() < approxBytes) {
            text += vocabulary[random.bounded(14)];
            text += random.bounded(12) == 0 ? "\r\n" : " ";
        }
        return text;
    };
    for (int i = 0; i < int(10000 * scale); ++i) {
        ArchiveItem* item = store.archiveItems.add();
        item->name = "Item " + QByteArray::number(i);
        item->category = "Category " + QByteArray::number(i % 40);
        for (int f = 0; f < 5; ++f) {
            ArchiveField* field = item->fields.add();
            field->name = f == 0 ? "Web" : f == 1 ? "Mail" : "Phone";
            field->value = f == 0 ? "https://example.org/" + QByteArray::number(i) : words(30);
        }
        for (int n = 0; n < 4; ++n)
            item->notes.add()->text = words(300);
    }
    for (int c = 0; c < int(50 * scale); ++c) {
        PurseCategory* category = store.purseCategories.add();
        category->name = "Expenses " + QByteArray::number(c);
        for (int e = 0; e < 2000; ++e) {
            PurseEntry* entry = category->entries.add();
            entry->note = words(20);
            entry->amount = random.bounded(100000) / 100.0;
        }
    }
    for (int m = 0; m < int(10000 * scale); ++m)
        store.memos.add()->text = words(80);
    for (int n = 0; n < int(40000 * scale); ++n)
        store.notes.add()->text = words(800);
}

} // namespace dvk::bench
