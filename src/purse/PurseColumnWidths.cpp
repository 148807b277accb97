#include "PurseColumnWidths.h"

#include <algorithm>

namespace dvk {
namespace {

// The widest lists, in designed pixels, whose columns are divided in proportion.
constexpr int CategoryLimit = 160;
constexpr int EntryLimit = 300;

} // namespace

std::array<int, 2> PurseColumnWidths::categoryList(int w, const DialogUnits& units)
{
    w = std::max(0, w);
    if (w <= units.scaleDesignedX(CategoryLimit))
        return {w - w / 2, w / 2};
    const int total = units.scaleDesignedX(80);
    return {w - total, total};
}

std::array<int, 3> PurseColumnWidths::entryList(int w, const DialogUnits& units)
{
    w = std::max(0, w);
    if (w <= units.scaleDesignedX(EntryLimit))
        return {w / 3, w - 2 * (w / 3), w / 3};
    const int date = units.scaleDesignedX(120);
    const int amount = units.scaleDesignedX(80);
    return {date, w - date - amount, amount};
}

} // namespace dvk
