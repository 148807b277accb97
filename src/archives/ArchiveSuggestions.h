#pragma once

#include "Records.h"

#include <QStringList>

namespace dvk {

// The texts the Archives offer in their drop-down boxes, gathered from the store: the distinct
// category texts and, for one category, the fact names its items already use. Both compare
// exactly, case included, and list the texts in the order they are first met in the store.
class ArchiveSuggestions final
{
public:
    static QStringList categories(const RecordList<ArchiveItem>& items);
    // Names of the facts of every item whose category equals `category` exactly.
    static QStringList fieldNames(const RecordList<ArchiveItem>& items, const QByteArray& category);
};

} // namespace dvk
