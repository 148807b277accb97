#pragma once

#include "DataStore.h"

#include <QByteArray>

namespace dvk {

// Writes the Notes and the Archives as one Markdown document: a section per note (its date and
// title as the heading, then its text as it is) and one per archive item (category and name as
// the heading, its facts as a table, its notes below).
class MarkdownExporter final
{
public:
    static QByteArray write(const DataStore& store);
};

} // namespace dvk
