#pragma once

#include "Exchange.h"

#include <QByteArray>
#include <cstdint>

namespace dvk::fuzz {

// Imports arbitrary bytes in `format` into an empty store, as a user's foreign or damaged file
// would be: nothing may crash, hang or leak. What imports must export again, and that export must
// import back to a store that exports to the very same bytes: an export is stable from one round
// to the next (the same records, the same calendar UIDs).
inline int roundTrip(const uint8_t* data, size_t size, Exchange::Format format)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    DataStore first;
    if (!Exchange::importBytes(first, format, bytes).ok)
        return 0;
    const QByteArray once = Exchange::exportBytes(first, format);
    DataStore second;
    if (!Exchange::importBytes(second, format, once).ok)
        __builtin_trap();
    if (Exchange::exportBytes(second, format) != once)
        __builtin_trap();
    return 0;
}

} // namespace dvk::fuzz
