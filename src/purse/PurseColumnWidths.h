#pragma once

#include "DialogUnits.h"

#include <array>

namespace dvk {

// How the Purse lists share their client width `w` (in pixels) among their columns. Narrow lists
// divide it in proportion; wider ones give fixed widths to the short columns and the rest to the
// name or note. The limits and fixed widths are pixels of the designed dialog font, scaled by
// `units` to the list's font. Divisions are integer divisions, and the widths add up to `w`.
class PurseColumnWidths final
{
public:
    // "Category" and "Total".
    static std::array<int, 2> categoryList(int w, const DialogUnits& units);
    // "Date", "Note" and "Amount"; the statistics list's label, count and amount columns too.
    static std::array<int, 3> entryList(int w, const DialogUnits& units);
};

} // namespace dvk
