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

    [[noreturn]] static void fail(const QString& at, const QString& key, const QString& why)
    {
        throw Fault{at + u'.' + key, why};
    }

    static QJsonValue field(const QJsonObject& o, const QString& at, const QString& key)
    {
        const auto it = o.constFind(key);
        if (it == o.constEnd())
            fail(at, key, u"is missing"_s);
        return *it;
    }

    static QByteArray text(const QJsonObject& o, const QString& at, const QString& key)
    {
        const QJsonValue v = field(o, at, key);
        if (!v.isString())
            fail(at, key, u"is not a text"_s);
        return v.toString().toUtf8();
    }

    static qint32 number(const QJsonObject& o, const QString& at, const QString& key)
    {
        const QJsonValue v = field(o, at, key);
        const double d = v.toDouble();
        if (!v.isDouble() || d != std::floor(d) || d < std::numeric_limits<qint32>::min() ||
            d > std::numeric_limits<qint32>::max())
            fail(at, key, u"is not a whole number"_s);
        return qint32(d);
    }

    static qint32 flag(const QJsonObject& o, const QString& at, const QString& key)
    {
        const QJsonValue v = field(o, at, key);
        if (!v.isBool())
            fail(at, key, u"is not true or false"_s);
        return v.toBool() ? 1 : 0;
    }

    using TripleParser = std::optional<StoredFields::Triple> (*)(QStringView);

    static StoredFields::Triple triple(const QJsonObject& o, const QString& at, const QString& key,
                                       TripleParser parse, const QString& why)
    {
        const QJsonValue v = field(o, at, key);
        const auto parsed = v.isString() ? parse(v.toString()) : std::nullopt;
        if (!parsed)
            fail(at, key, why);
        return *parsed;
    }

    static StoredFields::Triple date(const QJsonObject& o, const QString& at, const QString& key)
    {
        return triple(o, at, key, &StoredFields::parseDate, u"is not a date \"YYYY-MM-DD\""_s);
    }

    static StoredFields::Triple time(const QJsonObject& o, const QString& at, const QString& key)
    {
        return triple(o, at, key, &StoredFields::parseTime, u"is not a time \"HH:MM:SS\""_s);
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
        fail(at, key, u"is not a number"_s);
    }

    std::unique_ptr<NoteRecord> note(const QJsonObject& o, const QString& at)
    {
        auto n = m_batch.make<NoteRecord>();
        date(o, at, u"date"_s).assignTo(n->year, n->month, n->day);
        n->imageIndex = number(o, at, u"icon"_s);
        n->text = text(o, at, u"text"_s);
        return n;
    }

    std::unique_ptr<ArchiveItem> archiveItem(const QJsonObject& o, const QString& at)
    {
        auto item = m_batch.make<ArchiveItem>();
        date(o, at, u"created"_s).assignTo(item->createdYear, item->createdMonth, item->createdDay);
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
                date(e, eat, u"date"_s).assignTo(entry->year, entry->month, entry->day);
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
        date(o, at, u"created"_s).assignTo(m->createdYear, m->createdMonth, m->createdDay);
        m->text = text(o, at, u"text"_s);
        m->imageIndex = number(o, at, u"icon"_s);
        date(o, at, u"due"_s).assignTo(m->dueYear, m->dueMonth, m->dueDay);
        time(o, at, u"time"_s).assignTo(m->dueHour, m->dueMinute, m->dueSecond);
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
