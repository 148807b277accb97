#pragma once

#include <libical/ical.h>
#include <memory>

namespace dvk {

// Owns a libical component tree and frees it with the library's own function.
struct IcalComponentFree
{
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using IcalComponentPtr = std::unique_ptr<icalcomponent, IcalComponentFree>;

} // namespace dvk
