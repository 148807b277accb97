#include "PurseColumnWidths.h"

#include <algorithm>

namespace dvk {

std::array<int, 2> PurseColumnWidths::categoryList(int w)
{
    w = std::max(0, w);
    if (w <= CategoryLimit)
        return {w - w / 2, w / 2};
    return {w - 80, 80};
}

std::array<int, 3> PurseColumnWidths::entryList(int w)
{
    w = std::max(0, w);
    if (w <= EntryLimit)
        return {w / 3, w - 2 * (w / 3), w / 3};
    return {120, w - 200, 80};
}

} // namespace dvk
