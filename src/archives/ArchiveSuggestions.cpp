#include "ArchiveSuggestions.h"

#include <QSet>

namespace dvk {
namespace {

// Appends `text` once, in the order texts are first met.
void collect(const QByteArray& text, QSet<QByteArray>& seen, QStringList& texts)
{
    if (seen.contains(text))
        return;
    seen.insert(text);
    texts << QString::fromLocal8Bit(text);
}

} // namespace

QStringList ArchiveSuggestions::categories(const RecordList<ArchiveItem>& items)
{
    QSet<QByteArray> seen;
    QStringList texts;
    for (const ArchiveItem* item : items)
        collect(item->category, seen, texts);
    return texts;
}

QStringList ArchiveSuggestions::fieldNames(const RecordList<ArchiveItem>& items,
                                           const QByteArray& category)
{
    QSet<QByteArray> seen;
    QStringList texts;
    for (const ArchiveItem* item : items) {
        if (item->category != category)
            continue;
        for (const ArchiveField* field : item->fields)
            collect(field->name, seen, texts);
    }
    return texts;
}

} // namespace dvk
