#include "SearchSnapshot.h"

#include "DataStore.h"

namespace dvk {

SearchSnapshot::SearchSnapshot(const DataStore& store)
{
    qsizetype entries = 0;
    for (const PurseCategory* category : store.purseCategories)
        entries += category->entries.count();
    m_records.reserve(
        size_t(store.archiveItems.count() + entries + store.memos.count() + store.notes.count()));
    m_fields.reserve(m_records.capacity() + size_t(store.archiveItems.count()) * 16 +
                     size_t(entries));

    qint32 i = 0;
    for (const ArchiveItem* item : store.archiveItems) {
        Record& record = addRecord(SearchPanel::Archives, i++);
        addField(record, item->name, SearchField::Name, item->createdYear, item->createdMonth,
                 item->createdDay);
        addField(record, item->category, SearchField::Category);
        qint32 f = 0;
        for (const ArchiveField* fact : item->fields) {
            addField(record, fact->name, SearchField::FactName, 0, 0, 0, f);
            addField(record, fact->value, SearchField::FactValue, 0, 0, 0, f++);
        }
        qint32 n = 0;
        for (const NoteRecord* note : item->notes)
            addField(record, note->text, SearchField::ItemNote, note->year, note->month, note->day,
                     n++);
    }
    i = 0;
    for (const PurseCategory* category : store.purseCategories) {
        qint32 e = 0;
        for (const PurseEntry* entry : category->entries) {
            Record& record = addRecord(SearchPanel::Purse, i, e++);
            record.amount = entry->amount;
            record.hasAmount = true;
            addField(record, entry->note, SearchField::Text, entry->year, entry->month, entry->day);
            addField(record, category->name, SearchField::Category);
        }
        ++i;
    }
    i = 0;
    for (const MemoRecord* memo : store.memos) {
        Record& record = addRecord(SearchPanel::Memo, i++);
        addField(record, memo->text, SearchField::Text, memo->dueYear, memo->dueMonth,
                 memo->dueDay);
    }
    i = 0;
    for (const NoteRecord* note : store.notes) {
        Record& record = addRecord(SearchPanel::Notes, i++);
        addField(record, note->text, SearchField::Text, note->year, note->month, note->day);
    }
}

SearchSnapshot::Record& SearchSnapshot::addRecord(SearchPanel panel, qint32 index, qint32 subIndex)
{
    Record& record = m_records.emplace_back();
    record.panel = panel;
    record.index = index;
    record.subIndex = subIndex;
    record.firstField = qint32(m_fields.size());
    return record;
}

void SearchSnapshot::addField(Record& record, const QByteArray& text, SearchField kind, qint32 year,
                              qint32 month, qint32 day, qint32 index)
{
    m_fields.push_back(Field{text, year, month, day, index, kind});
    ++record.fieldCount;
}

} // namespace dvk
