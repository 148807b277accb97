#include "PurseCsv.h"

#include "StoredFields.h"

#include <QStringDecoder>
#include <QStringList>

namespace dvk {
namespace {

using namespace Qt::StringLiterals;

const QString Header = u"Category,Date,Note,Amount"_s;

QString quoted(const QString& field)
{
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\r') &&
        !field.contains(u'\n'))
        return field;
    QString copy = field;
    return u'"' + copy.replace(u"\""_s, u"\"\""_s) + u'"';
}

struct Row
{
    int line = 0; // where the row starts, from 1
    QStringList fields;
};

// Splits the text into rows of fields. A quote opens a quoted field only at the start of a
// field; inside one, "" is a quote and line ends are part of the text.
class Splitter
{
public:
    explicit Splitter(QStringView text)
        : m_text(text)
    {}

    // False with `error` set on a quote left open or text after a closing quote.
    bool next(Row& row, QString& error)
    {
        row = Row{m_line, {}};
        if (m_pos >= m_text.size())
            return false;
        QString field;
        bool inQuotes = false;
        bool wasQuoted = false;
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos++];
            if (inQuotes) {
                if (c == u'"') {
                    if (m_pos < m_text.size() && m_text[m_pos] == u'"') {
                        field += u'"';
                        ++m_pos;
                    } else {
                        inQuotes = false;
                    }
                } else {
                    if (c == u'\n')
                        ++m_line;
                    field += c;
                }
            } else if (c == u'"' && field.isEmpty() && !wasQuoted) {
                inQuotes = wasQuoted = true;
            } else if (c == u',') {
                row.fields.append(field);
                field.clear();
                wasQuoted = false;
            } else if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n')
                    ++m_pos;
                ++m_line;
                row.fields.append(field);
                return true;
            } else if (wasQuoted) {
                error = u"text after a closing quote"_s;
                return false;
            } else {
                field += c;
            }
        }
        if (inQuotes) {
            error = u"a quoted field is not closed"_s;
            return false;
        }
        row.fields.append(field);
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
};

ImportResult lineFailure(int line, const QString& why)
{
    return ImportResult::failure(u"Line %1 of the CSV file: %2."_s.arg(line).arg(why));
}

} // namespace

QByteArray PurseCsv::write(const DataStore& store)
{
    QString out = Header + u"\r\n"_s;
    for (const PurseCategory* category : store.purseCategories) {
        const QString name = quoted(QString::fromUtf8(category->name));
        for (const PurseEntry* e : category->entries)
            out += name + u',' + StoredFields::dateText(e->year, e->month, e->day) + u',' +
                   quoted(QString::fromUtf8(e->note)) + u',' + StoredFields::amountText(e->amount) +
                   u"\r\n"_s;
    }
    return out.toUtf8();
}

ImportResult PurseCsv::read(const QByteArray& bytes, ImportBatch& batch)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return ImportResult::failure(u"The CSV file is not UTF-8 text."_s);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    Splitter splitter(text);
    Row row;
    QString error;
    if (!splitter.next(row, error) || row.fields.join(u',') != Header)
        return ImportResult::failure(
            u"The CSV file does not start with the header \"%1\"."_s.arg(Header));
    while (splitter.next(row, error)) {
        if (row.fields.size() == 1 && row.fields.first().isEmpty())
            continue; // a blank line, as at the end of many files
        if (row.fields.size() != 4)
            return lineFailure(row.line, u"%1 fields instead of 4"_s.arg(row.fields.size()));
        const auto date = StoredFields::parseDate(row.fields[1]);
        if (!date)
            return lineFailure(row.line, u"\"%1\" is not a date YYYY-MM-DD"_s.arg(row.fields[1]));
        const auto amount = StoredFields::parseAmount(row.fields[3]);
        if (!amount)
            return lineFailure(row.line,
                               u"\"%1\" is not an amount like 12.50"_s.arg(row.fields[3]));
        auto entry = batch.make<PurseEntry>();
        entry->year = date->a;
        entry->month = date->b;
        entry->day = date->c;
        entry->note = row.fields[2].toUtf8();
        entry->amount = *amount;
        batch.purseEntries.emplace_back(row.fields[0].toUtf8(), std::move(entry));
    }
    if (!error.isEmpty())
        return lineFailure(row.line, error);
    ImportResult result;
    result.ok = true;
    result.records = batch.recordCount();
    return result;
}

} // namespace dvk
