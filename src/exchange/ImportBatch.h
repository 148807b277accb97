#pragma once

#include "DataStore.h"

#include <QString>
#include <memory>
#include <utility>
#include <vector>

namespace dvk {

// The records an import read, held apart from the store until the whole file was found good;
// `applyTo` then appends them in file order. A failed import drops the batch, so the store is
// never left holding part of a file.
class ImportBatch final
{
public:
    explicit ImportBatch(const Clock& clock)
        : m_clock(&clock)
    {}

    std::vector<std::unique_ptr<ArchiveItem>> archiveItems;
    // Whole categories, appended as new categories (a JSON export keeps every category apart,
    // even two of the same name).
    std::vector<std::unique_ptr<PurseCategory>> purseCategories;
    // Single entries, each added to the category of that name, made when missing (CSV rows).
    std::vector<std::pair<QByteArray, std::unique_ptr<PurseEntry>>> purseEntries;
    std::vector<std::unique_ptr<MemoRecord>> memos;
    std::vector<std::unique_ptr<NoteRecord>> notes;

    template <class T, class... Args> std::unique_ptr<T> make(Args&&... args) const
    {
        return std::make_unique<T>(*m_clock, Unfilled{}, std::forward<Args>(args)...);
    }
    const Clock& clock() const { return *m_clock; }

    qsizetype recordCount() const;
    void applyTo(DataStore& store);

private:
    const Clock* m_clock;
};

// What an import came to: on failure a message a user can be shown (with the line for CSV);
// on success how many records were read and how many repetitions had to be simplified.
struct ImportResult
{
    bool ok = false;
    QString message;
    int simplified = 0;
    qsizetype records = 0;

    static ImportResult failure(QString message)
    {
        ImportResult r;
        r.message = std::move(message);
        return r;
    }
};

} // namespace dvk
