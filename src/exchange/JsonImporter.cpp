#include "JsonImporter.h"

#include "StoredFields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

namespace dvk {
namespace {

using namespace Qt::StringLiterals;

// Thrown inside the reader only, caught in read(): the path of the faulty value and why.
struct Fault
{
    QString where;
    QString why;
};

class Reader
{
public:
    explicit Reader(ImportBatch& batch)
        : m_batch(batch)
    {}

    void readRoot(const QJsonObject& root)
    {
        if (root.value(u"format"_s).toString() != u"dvk-export"_s)
            throw Fault{u"format"_s, u"is not \"dvk-export\""_s};
        const QJsonValue version = root.value(u"version"_s);
        if (!version.isDouble() || version.toDouble() != 1)
            throw Fault{u"version"_s, u"is not 1"_s};
        forEach(root, u"archives"_s, [this](const QJsonObject& o, const QString& at) {
            m_batch.archiveItems.push_back(archiveItem(o, at));
        });
        forEach(root, u"purse"_s, [this](const QJsonObject& o, const QString& at) {
            m_batch.purseCategories.push_back(purseCategory(o, at));
        });
        forEach(root, u"memos"_s, [this](const QJsonObject& o, const QString& at) {
            m_batch.memos.push_back(memo(o, at));
        });
        forEach(root, u"notes"_s, [this](const QJsonObject& o, const QString& at) {
            m_batch.notes.push_back(note(o, at));
        });
    }

private:
    template <class F>
    void forEach(const QJsonObject& parent, const QString& key, F&& each,
                 const QString& parentPath = {})
    {
        const QString path = parentPath.isEmpty() ? key : parentPath + u'.' + key;
        const QJsonValue value = parent.value(key);
        if (!value.isArray())
            throw Fault{path, u"is not a list"_s};
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QString at = path + u'[' + QString::number(i) + u']';
            if (!array.at(i).isObject())
                throw Fault{at, u"is not an object"_s};
            each(array.at(i).toObject(), at);
        }
    }

    static QJsonValue field(const QJsonObject& o, const QString& at, const QString& key)
    {
        const auto it = o.constFind(key);
        if (it == o.constEnd())
            throw Fault{at + u'.' + key, u"is missing"_s};
        return *it;
    }

    static QByteArray text(const QJsonObject& o, const QString& at, const QString& key)
    {
        const QJsonValue v = field(o, at, key);
        if (!v.isString())
            throw Fault{at + u'.' + key, u"is not a text"_s};
        return v.toString().toUtf8();
    }

    static qint32 number(const QJsonObject& o, const QString& at, const QString& key)
    {
        const QJsonValue v = field(o, at, key);
        const double d = v.toDouble();
        if (!v.isDouble() || d != std::floor(d) || d < std::numeric_limits<qint32>::min() ||
            d > std::numeric_limits<qint32>::max())
            throw Fault{at + u'.' + key, u"is not a whole number"_s};
        return qint32(d);
    }

    static qint32 flag(const QJsonObject& o, const QString& at, const QString& key)
    {
        const QJsonValue v = field(o, at, key);
        if (!v.isBool())
            throw Fault{at + u'.' + key, u"is not true or false"_s};
        return v.toBool() ? 1 : 0;
    }

    static StoredFields::Triple date(const QJsonObject& o, const QString& at, const QString& key)
    {
        const QJsonValue v = field(o, at, key);
        const auto d = StoredFields::parseDate(v.toString());
        if (!v.isString() || !d)
            throw Fault{at + u'.' + key, u"is not a date \"YYYY-MM-DD\""_s};
        return *d;
    }

    static StoredFields::Triple time(const QJsonObject& o, const QString& at, const QString& key)
    {
        const QJsonValue v = field(o, at, key);
        const auto t = StoredFields::parseTime(v.toString());
        if (!v.isString() || !t)
            throw Fault{at + u'.' + key, u"is not a time \"HH:MM:SS\""_s};
        return *t;
    }

    static double amount(const QJsonObject& o, const QString& at, const QString& key)
    {
        const QJsonValue v = field(o, at, key);
        if (v.isDouble())
            return v.toDouble();
        // The names a damaged amount goes out as; no other text is an amount.
        const QString name = v.toString();
        if (v.isString() && (name == u"NaN"_s || name.endsWith(u"Infinity"_s)))
            if (const auto parsed = StoredFields::parseAmount(name))
                return *parsed;
        throw Fault{at + u'.' + key, u"is not a number"_s};
    }

    std::unique_ptr<NoteRecord> note(const QJsonObject& o, const QString& at)
    {
        auto n = m_batch.make<NoteRecord>();
        const auto d = date(o, at, u"date"_s);
        n->year = d.a;
        n->month = d.b;
        n->day = d.c;
        n->imageIndex = number(o, at, u"icon"_s);
        n->text = text(o, at, u"text"_s);
        return n;
    }

    std::unique_ptr<ArchiveItem> archiveItem(const QJsonObject& o, const QString& at)
    {
        auto item = m_batch.make<ArchiveItem>();
        const auto d = date(o, at, u"created"_s);
        item->createdYear = d.a;
        item->createdMonth = d.b;
        item->createdDay = d.c;
        item->name = text(o, at, u"name"_s);
        item->category = text(o, at, u"category"_s);
        ArchiveItem& target = *item;
        forEach(
            o, u"facts"_s,
            [&target](const QJsonObject& f, const QString& fat) {
                ArchiveField* fact = target.fields.add();
                fact->name = text(f, fat, u"name"_s);
                fact->value = text(f, fat, u"value"_s);
            },
            at);
        forEach(
            o, u"notes"_s,
            [this, &target](const QJsonObject& n, const QString& nat) {
                target.notes.append(note(n, nat));
            },
            at);
        return item;
    }

    std::unique_ptr<PurseCategory> purseCategory(const QJsonObject& o, const QString& at)
    {
        auto category = m_batch.make<PurseCategory>();
        category->name = text(o, at, u"name"_s);
        PurseCategory& target = *category;
        forEach(
            o, u"entries"_s,
            [&target](const QJsonObject& e, const QString& eat) {
                auto entry = target.entries.makeUnfilledRecord(Unfilled{});
                const auto d = date(e, eat, u"date"_s);
                entry->year = d.a;
                entry->month = d.b;
                entry->day = d.c;
                entry->note = text(e, eat, u"note"_s);
                entry->amount = amount(e, eat, u"amount"_s);
                target.entries.append(std::move(entry));
            },
            at);
        return category;
    }

    std::unique_ptr<MemoRecord> memo(const QJsonObject& o, const QString& at)
    {
        auto m = m_batch.make<MemoRecord>();
        const auto created = date(o, at, u"created"_s);
        m->createdYear = created.a;
        m->createdMonth = created.b;
        m->createdDay = created.c;
        m->text = text(o, at, u"text"_s);
        m->imageIndex = number(o, at, u"icon"_s);
        const auto due = date(o, at, u"due"_s);
        m->dueYear = due.a;
        m->dueMonth = due.b;
        m->dueDay = due.c;
        const auto t = time(o, at, u"time"_s);
        m->dueHour = t.a;
        m->dueMinute = t.b;
        m->dueSecond = t.c;
        m->anyTime = flag(o, at, u"anyTime"_s);
        m->dismissed = flag(o, at, u"dismissed"_s);
        m->beep = flag(o, at, u"beep"_s);
        m->recurrence = number(o, at, u"recurrence"_s);
        return m;
    }

    ImportBatch& m_batch;
};

} // namespace

ImportResult JsonImporter::read(const QByteArray& bytes, ImportBatch& batch)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return ImportResult::failure(
            u"The file is not valid JSON: %1 at character %2."_s.arg(error.errorString())
                .arg(error.offset));
    if (!document.isObject())
        return ImportResult::failure(u"The file is not a DVK export."_s);
    try {
        Reader(batch).readRoot(document.object());
    } catch (const Fault& fault) {
        return ImportResult::failure(
            u"The file is not a DVK export: %1 %2."_s.arg(fault.where, fault.why));
    }
    ImportResult result;
    result.ok = true;
    result.records = batch.recordCount();
    return result;
}

} // namespace dvk
