#pragma once

#include "DataStore.h"

#include <QByteArray>

namespace dvk {

// Writes the whole store as one UTF-8 JSON object: {"format": "dvk-export", "version": 1,
// "archives", "purse", "memos", "notes"}, every list in store order, dates and times as text
// from the stored numbers, amounts as numbers that read back as the same double.
class JsonExporter final
{
public:
    static QByteArray write(const DataStore& store);
};

} // namespace dvk
