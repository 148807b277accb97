#pragma once

#include "SearchHit.h"

#include <QByteArray>
#include <vector>

namespace dvk {

class DataStore;

// The searchable texts of a data store at one moment, for a search on a worker thread. The store
// belongs to the user-interface thread and its lists may change under a reader, so the search
// reads this copy instead. Copying is cheap: the texts are implicitly shared byte arrays (a
// reference count each, safe across threads), and an edit of a record gives the record new bytes
// while the snapshot keeps the old ones.
class SearchSnapshot final
{
public:
    struct Field
    {
        QByteArray text;
        qint32 year = 0;
        qint32 month = 0;
        qint32 day = 0;
        // The fact's or the item note's index in its archive item; -1 for other fields.
        qint32 index = -1;
        SearchField kind = SearchField::Text;
    };
    // One record that a hit can name; its fields are fields()[firstField, firstField + count).
    struct Record
    {
        double amount = 0.0;
        qint32 index = 0;
        qint32 subIndex = -1;
        qint32 firstField = 0;
        qint32 fieldCount = 0;
        SearchPanel panel = SearchPanel::Notes;
        bool hasAmount = false;
    };

    SearchSnapshot() = default;
    explicit SearchSnapshot(const DataStore& store);

    const std::vector<Record>& records() const { return m_records; }
    const std::vector<Field>& fields() const { return m_fields; }

private:
    Record& addRecord(SearchPanel panel, qint32 index, qint32 subIndex = -1);
    void addField(Record& record, const QByteArray& text, SearchField kind, qint32 year = 0,
                  qint32 month = 0, qint32 day = 0, qint32 index = -1);

    std::vector<Record> m_records;
    std::vector<Field> m_fields;
};

} // namespace dvk
