#pragma once

#include "DataStore.h"
#include "ImportBatch.h"

#include <QString>
#include <optional>

namespace dvk {

// Export and import of the store in the four outside formats, for the command line and the
// Tools menu alike. Exports write a new file that replaces the old one only when complete;
// imports read the whole file first and change the store only when all of it was good. Saving
// the store afterwards is the caller's.
class Exchange final
{
public:
    enum class Format
    {
        Json,
        Csv,
        Ics,
        Markdown
    };

    // "json", "csv", "ics", "md" (any case).
    static std::optional<Format> formatNamed(const QString& name);
    // By the file's suffix: .json, .csv, .ics or .ical, .md or .markdown.
    static std::optional<Format> formatOfFile(const QString& path);
    static bool canImport(Format format) { return format != Format::Markdown; }

    static QByteArray exportBytes(const DataStore& store, Format format);
    static FileResult exportToFile(const DataStore& store, Format format, const QString& path);

    // Reads `bytes` and, when all of it is good, appends its records to the store.
    static ImportResult importBytes(DataStore& store, Format format, const QByteArray& bytes);
    static ImportResult importFile(DataStore& store, Format format, const QString& path);
    // What a successful import tells the user: nothing, or how many repetitions were simplified.
    static QString importNotice(const ImportResult& result);
};

} // namespace dvk
