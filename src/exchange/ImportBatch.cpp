#include "ImportBatch.h"

#include <QHash>

namespace dvk {

qsizetype ImportBatch::recordCount() const
{
    return qsizetype(archiveItems.size() + purseCategories.size() + purseEntries.size() +
                     memos.size() + notes.size());
}

void ImportBatch::applyTo(DataStore& store)
{
    for (auto& item : archiveItems)
        store.archiveItems.append(std::move(item));
    for (auto& category : purseCategories)
        store.purseCategories.append(std::move(category));
    if (!purseEntries.empty()) {
        // The first category of a name takes the rows, as a user picking it by name would.
        QHash<QByteArray, PurseCategory*> byName;
        for (PurseCategory* c : store.purseCategories)
            if (!byName.contains(c->name))
                byName.insert(c->name, c);
        for (auto& [name, entry] : purseEntries) {
            PurseCategory*& category = byName[name];
            if (!category) {
                category = store.purseCategories.add();
                category->name = name;
            }
            category->entries.append(std::move(entry));
        }
    }
    for (auto& memo : memos)
        store.memos.append(std::move(memo));
    for (auto& note : notes)
        store.notes.append(std::move(note));
    archiveItems.clear();
    purseCategories.clear();
    purseEntries.clear();
    memos.clear();
    notes.clear();
}

} // namespace dvk
