#include "StoreFingerprint.h"

#include "DataStore.h"
#include "SealKey.h"

#include <QHashFunctions>
#include <bit>

namespace dvk::StoreFingerprint {
namespace {

// Mixes values into a running hash; every text is preceded by its length so that moving bytes
// from one field to the next changes the result.
class Mixer
{
public:
    void add(size_t value) { m_hash = qHashMulti(m_hash, value); }
    void add(const QByteArray& text)
    {
        m_hash = qHash(QByteArrayView(text), m_hash ^ size_t(text.size()));
    }
    void add(double value) { add(size_t(std::bit_cast<quint64>(value))); }
    template <class... Ints> void addInts(Ints... values)
    {
        m_hash = qHashMulti(m_hash, values...);
    }
    size_t value() const { return m_hash; }

private:
    size_t m_hash = 0x9e3779b9;
};

void addNote(Mixer& m, const NoteRecord& n)
{
    m.addInts(n.year, n.month, n.day, n.imageIndex);
    m.add(n.text);
}

} // namespace

size_t of(const DataStore& store)
{
    Mixer m;
    m.add(size_t(store.archiveItems.count()));
    for (const ArchiveItem* item : store.archiveItems) {
        m.addInts(item->createdYear, item->createdMonth, item->createdDay, item->fields.count(),
                  item->notes.count());
        m.add(item->name);
        m.add(item->category);
        for (const ArchiveField* f : item->fields) {
            m.add(f->name);
            m.add(f->value);
        }
        for (const NoteRecord* n : item->notes)
            addNote(m, *n);
    }
    m.add(size_t(store.purseCategories.count()));
    for (const PurseCategory* c : store.purseCategories) {
        m.add(c->name);
        m.add(size_t(c->entries.count()));
        for (const PurseEntry* e : c->entries) {
            m.addInts(e->year, e->month, e->day);
            m.add(e->note);
            m.add(e->amount);
        }
    }
    m.add(size_t(store.memos.count()));
    for (const MemoRecord* r : store.memos) {
        m.addInts(r->createdYear, r->createdMonth, r->createdDay, r->imageIndex, r->dueYear,
                  r->dueMonth, r->dueDay, r->dueHour, r->dueMinute, r->dueSecond, r->anyTime,
                  r->dismissed, r->beep, r->recurrence);
        m.add(r->text);
    }
    m.add(size_t(store.notes.count()));
    for (const NoteRecord* n : store.notes)
        addNote(m, *n);
    m.add(QByteArray::fromRawData(reinterpret_cast<const char*>(store.passwordBlock.data()),
                                  qsizetype(store.passwordBlock.size())));
    if (const SealKey* key = store.sealKey())
        m.add(QByteArray::fromRawData(reinterpret_cast<const char*>(key->salt().data()),
                                      qsizetype(key->salt().size())));
    return m.value();
}

} // namespace dvk::StoreFingerprint
