#pragma once

#include "DataFile.h"
#include "DataStore.h"
#include "SealedFile.h"

#include <QBuffer>
#include <QRandomGenerator>

namespace dvk::test {

// The store in the plain file form, or sealed with `key`; empty when it cannot be written.
inline QByteArray fileBytes(const DataStore& store, const SealKey* key = nullptr)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return (key ? SealedFile::write(store, buffer, key) : DataFile::write(store, buffer)).ok
               ? bytes
               : QByteArray();
}

// Reads the plain file form, or the sealed one with `key`, into `store`.
inline FileResult readBytes(DataStore& store, QByteArray bytes, const SealKey* key = nullptr)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return key ? SealedFile::read(store, buffer, key) : DataFile::read(store, buffer);
}

// Fills a store with records whose every field holds a random value, texts of random length
// (including the long prefixes) and random bytes, so round trips check each field.
class StoreFactory
{
public:
    explicit StoreFactory(quint32 seed)
        : m_random(seed)
    {}

    void fill(DataStore& store, int scale)
    {
        for (int i = 0; i < scale; ++i) {
            ArchiveItem* item = store.archiveItems.add();
            numbers({&item->createdYear, &item->createdMonth, &item->createdDay});
            item->name = text();
            item->category = text();
            for (int f = bounded(4); f > 0; --f) {
                ArchiveField* field = item->fields.add();
                field->name = text();
                field->value = text();
            }
            for (int n = bounded(3); n > 0; --n)
                note(*item->notes.add());
        }
        for (int i = 0; i < scale; ++i) {
            PurseCategory* category = store.purseCategories.add();
            category->name = text();
            for (int e = bounded(5); e > 0; --e) {
                PurseEntry* entry = category->entries.add();
                numbers({&entry->year, &entry->month, &entry->day});
                entry->note = text();
                entry->amount = m_random.generateDouble() * 1e6 - 5e5;
            }
        }
        for (int i = 0; i < scale; ++i) {
            MemoRecord* m = store.memos.add();
            numbers({&m->createdYear, &m->createdMonth, &m->createdDay, &m->imageIndex, &m->dueYear,
                     &m->dueMonth, &m->dueDay, &m->dueHour, &m->dueMinute, &m->dueSecond,
                     &m->anyTime, &m->dismissed, &m->beep, &m->recurrence});
            m->text = text();
        }
        for (int i = 0; i < scale; ++i)
            note(*store.notes.add());
    }

private:
    int bounded(int n) { return int(m_random.bounded(n + 1)); }
    void numbers(std::initializer_list<qint32*> fields)
    {
        for (qint32* field : fields)
            *field = qint32(m_random.generate());
    }
    QByteArray text()
    {
        static const int lengths[] = {0, 1, 7, 80, 254, 255, 256, 300, 65533, 65534, 65535, 70000};
        const int pick = int(m_random.bounded(100));
        const int n = pick < 80 ? int(m_random.bounded(40)) : lengths[pick % 12];
        QByteArray bytes(n, Qt::Uninitialized);
        for (char& c : bytes)
            c = char(m_random.bounded(256));
        return bytes;
    }
    void note(NoteRecord& n)
    {
        numbers({&n.year, &n.month, &n.day, &n.imageIndex});
        n.text = text();
    }

    QRandomGenerator m_random;
};

} // namespace dvk::test
