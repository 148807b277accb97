#pragma once

#include "SearchHit.h"
#include "SearchQuery.h"
#include "SearchSnapshot.h"

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace dvk {

// Where a query matched in a snapshot: the record, the field that held the first word (-1 for
// an amount) and the matched characters in that field's decoded text. It is small so that a
// search with a hundred thousand hits stays cheap; titles and snippets are made only for the
// rows shown (describe()).
struct SearchMatch
{
    qint32 record = 0;
    qint32 field = -1;
    qint32 position = 0;
    qint32 length = 0;
};

// Runs a query over a snapshot, records in store order: Archives, Purse, Memo, Notes.
class Searcher final
{
public:
    // Receives the matches found since the last call, in order; it may take them.
    using Deliver = std::function<void(std::vector<SearchMatch>& matches)>;

    // Matches go to `deliver` as soon as the first `firstBatch` are found, then at least every
    // `interval` milliseconds, and the rest at the end. Stops early, returning false, once
    // `cancelled` is set.
    static bool run(const SearchSnapshot& snapshot, const SearchQuery& query,
                    const std::atomic_bool& cancelled, const Deliver& deliver,
                    qsizetype firstBatch = 200, int interval = 100);
    // Whether record `record` matches every word of the query, and where.
    static std::optional<SearchMatch> match(const SearchSnapshot& snapshot, qint32 record,
                                            const SearchQuery& query);
    // The hit as the Find window lists it: address, title, snippet and date.
    static SearchHit describe(const SearchSnapshot& snapshot, const SearchMatch& match);
};

} // namespace dvk
