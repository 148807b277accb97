#pragma once

#include <array>

namespace dvk {

// How the Purse lists share their client width `w` (in pixels) among their columns. Narrow lists
// divide it in proportion; wider ones give fixed widths to the short columns and the rest to the
// name or note. Divisions are integer divisions, and the widths always add up to `w`.
class PurseColumnWidths final
{
public:
    static constexpr int CategoryLimit = 160;
    static constexpr int EntryLimit = 300;

    // "Category" and "Total".
    static std::array<int, 2> categoryList(int w);
    // "Date", "Note" and "Amount"; the statistics list's label, count and amount columns too.
    static std::array<int, 3> entryList(int w);
};

} // namespace dvk
