#include "JsonExporter.h"

#include "StoredFields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace dvk {
namespace {

using namespace Qt::StringLiterals;

QJsonValue text(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes);
}

QJsonObject note(const NoteRecord& n)
{
    return {{u"date"_s, StoredFields::dateText(n.year, n.month, n.day)},
            {u"icon"_s, n.imageIndex},
            {u"text"_s, text(n.text)}};
}

QJsonArray notes(const RecordList<NoteRecord>& list)
{
    QJsonArray array;
    for (const NoteRecord* n : list)
        array.append(note(*n));
    return array;
}

QJsonObject archiveItem(const ArchiveItem& item)
{
    QJsonArray facts;
    for (const ArchiveField* f : item.fields)
        facts.append(QJsonObject{{u"name"_s, text(f->name)}, {u"value"_s, text(f->value)}});
    return {{u"created"_s,
             StoredFields::dateText(item.createdYear, item.createdMonth, item.createdDay)},
            {u"name"_s, text(item.name)},
            {u"category"_s, text(item.category)},
            {u"facts"_s, facts},
            {u"notes"_s, notes(item.notes)}};
}

// JSON has no infinity or NaN; a damaged file's amount of that kind goes out as its name.
QJsonValue amount(double value)
{
    if (!std::isfinite(value))
        return StoredFields::amountText(value);
    return value;
}

QJsonObject purseCategory(const PurseCategory& category)
{
    QJsonArray entries;
    for (const PurseEntry* e : category.entries)
        entries.append(QJsonObject{{u"date"_s, StoredFields::dateText(e->year, e->month, e->day)},
                                   {u"note"_s, text(e->note)},
                                   {u"amount"_s, amount(e->amount)}});
    return {{u"name"_s, text(category.name)}, {u"entries"_s, entries}};
}

QJsonObject memo(const MemoRecord& m)
{
    return {
        {u"created"_s, StoredFields::dateText(m.createdYear, m.createdMonth, m.createdDay)},
        {u"text"_s, text(m.text)},
        {u"icon"_s, m.imageIndex},
        {u"due"_s, StoredFields::dateText(m.dueYear, m.dueMonth, m.dueDay)},
        {u"time"_s, StoredFields::timeText(m.dueHour, m.dueMinute, m.dueSecond)},
        {u"anyTime"_s, m.anyTime != 0},
        {u"dismissed"_s, m.dismissed != 0},
        {u"beep"_s, m.beep != 0},
        {u"recurrence"_s, m.recurrence},
    };
}

} // namespace

QByteArray JsonExporter::write(const DataStore& store)
{
    QJsonArray archives;
    for (const ArchiveItem* item : store.archiveItems)
        archives.append(archiveItem(*item));
    QJsonArray purse;
    for (const PurseCategory* category : store.purseCategories)
        purse.append(purseCategory(*category));
    QJsonArray memos;
    for (const MemoRecord* m : store.memos)
        memos.append(memo(*m));
    const QJsonObject root{{u"format"_s, u"dvk-export"_s},
                           {u"version"_s, 1},
                           {u"archives"_s, archives},
                           {u"purse"_s, purse},
                           {u"memos"_s, memos},
                           {u"notes"_s, notes(store.notes)}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace dvk
