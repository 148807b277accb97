#include "Searcher.h"

#include "NoteTitle.h"
#include "SearchText.h"

#include <QElapsedTimer>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

constexpr qsizetype SnippetBefore = 30;
constexpr qsizetype SnippetLength = 90;
// How far into a cut a snippet may skip to begin with a whole word.
constexpr qsizetype WordStartReach = 15;
constexpr qint32 CancelCheckEvery = 256;

// A non-ASCII field folded once per record, however many words look into it.
struct FoldedField
{
    QString source;
    QString text;
    std::vector<qsizetype> sources;
};

class RecordMatcher final
{
public:
    RecordMatcher(const SearchSnapshot& snapshot, const SearchQuery& query)
        : m_snapshot(snapshot)
        , m_query(query)
    {}

    std::optional<SearchMatch> match(qint32 recordIndex)
    {
        const SearchSnapshot::Record& record = m_snapshot.records()[size_t(recordIndex)];
        m_folded.clear();
        std::optional<SearchMatch> found;
        for (const SearchQuery::Word& word : m_query.words()) {
            std::optional<SearchMatch> at = find(record, word);
            if (!at)
                return std::nullopt;
            if (!found) {
                found = at;
                found->record = recordIndex;
            }
        }
        return found;
    }

private:
    std::optional<SearchMatch> find(const SearchSnapshot::Record& record,
                                    const SearchQuery::Word& word)
    {
        for (qint32 f = record.firstField; f < record.firstField + record.fieldCount; ++f) {
            const QByteArray& text = m_snapshot.fields()[size_t(f)].text;
            if (SearchText::isAscii(text)) {
                if (!word.ascii)
                    continue;
                const qsizetype at = SearchText::findAscii(text, word.bytes);
                if (at >= 0)
                    return SearchMatch{0, f, qint32(at), qint32(word.bytes.size())};
                continue;
            }
            const FoldedField& folded = foldedField(f, text);
            const qsizetype at = folded.text.indexOf(word.folded);
            if (at < 0)
                continue;
            const qsizetype from = folded.sources[size_t(at)];
            const qsizetype to = folded.sources[size_t(at + word.folded.size() - 1)];
            // A surrogate pair decodes as two characters that the fold maps to the first.
            const qsizetype end = folded.source[to].isHighSurrogate() ? to + 2 : to + 1;
            return SearchMatch{0, f, qint32(from), qint32(end - from)};
        }
        if (record.hasAmount && SearchQuery::matchesAmount(word, record.amount))
            return SearchMatch{0, -1, 0, 0};
        return std::nullopt;
    }

    const FoldedField& foldedField(qint32 field, const QByteArray& text)
    {
        for (auto& [index, folded] : m_folded) {
            if (index == field)
                return folded;
        }
        FoldedField folded;
        folded.source = QString::fromLocal8Bit(text);
        folded.text = SearchText::fold(folded.source, &folded.sources);
        return m_folded.emplace_back(field, std::move(folded)).second;
    }

    const SearchSnapshot& m_snapshot;
    const SearchQuery& m_query;
    std::vector<std::pair<qint32, FoldedField>> m_folded;
};

QString flattened(QString text)
{
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return text;
}

QString snippetOf(const QByteArray& bytes, qsizetype position, qsizetype length)
{
    const QString text = QString::fromLocal8Bit(bytes);
    qsizetype start = qMax<qsizetype>(0, position - SnippetBefore);
    if (start > 0) {
        qsizetype blank = start;
        const qsizetype reach = qMin(start + WordStartReach, position);
        while (blank < reach && !text[blank].isSpace())
            ++blank;
        if (blank < reach)
            start = blank + 1;
        else if (text[start].isLowSurrogate())
            --start;
    }
    qsizetype end = qMin(text.size(), qMax(start + SnippetLength, position + length));
    if (end < text.size() && text[end].isLowSurrogate())
        ++end;
    QString snippet = text.mid(start, end - start).simplified();
    if (start > 0)
        snippet.prepend(u'…');
    if (end < text.size())
        snippet.append(u'…');
    return snippet;
}

} // namespace

bool Searcher::run(const SearchSnapshot& snapshot, const SearchQuery& query,
                   const std::atomic_bool& cancelled, const Deliver& deliver, qsizetype firstBatch,
                   int interval)
{
    if (query.isEmpty())
        return true;
    RecordMatcher matcher(snapshot, query);
    std::vector<SearchMatch> pending;
    qsizetype delivered = 0;
    QElapsedTimer sinceDelivery;
    sinceDelivery.start();
    const auto count = qint32(snapshot.records().size());
    for (qint32 r = 0; r < count; ++r) {
        if (r % CancelCheckEvery == 0) {
            if (cancelled.load(std::memory_order_relaxed))
                return false;
            if (!pending.empty() && delivered > 0 && sinceDelivery.elapsed() >= interval) {
                delivered += qsizetype(pending.size());
                deliver(pending);
                pending.clear();
                sinceDelivery.restart();
            }
        }
        if (std::optional<SearchMatch> found = matcher.match(r)) {
            pending.push_back(*found);
            if (delivered == 0 && qsizetype(pending.size()) >= firstBatch) {
                delivered += qsizetype(pending.size());
                deliver(pending);
                pending.clear();
                sinceDelivery.restart();
            }
        }
    }
    if (cancelled.load(std::memory_order_relaxed))
        return false;
    deliver(pending);
    return true;
}

std::optional<SearchMatch> Searcher::match(const SearchSnapshot& snapshot, qint32 record,
                                           const SearchQuery& query)
{
    if (query.isEmpty() || record < 0 || size_t(record) >= snapshot.records().size())
        return std::nullopt;
    RecordMatcher matcher(snapshot, query);
    return matcher.match(record);
}

SearchHit Searcher::describe(const SearchSnapshot& snapshot, const SearchMatch& match)
{
    const SearchSnapshot::Record& record = snapshot.records()[size_t(match.record)];
    const SearchSnapshot::Field& first = snapshot.fields()[size_t(record.firstField)];
    SearchHit hit;
    hit.panel = record.panel;
    hit.index = record.index;
    hit.subIndex = record.subIndex;
    hit.year = first.year;
    hit.month = first.month;
    hit.day = first.day;
    switch (record.panel) {
    case SearchPanel::Archives:
        hit.title = flattened(QString::fromLocal8Bit(first.text));
        break;
    case SearchPanel::Purse: {
        const QByteArray& category = snapshot.fields()[size_t(record.firstField + 1)].text;
        hit.title = QString::fromLocal8Bit(category) + u" — "_s + NoteTitle::of(first.text);
        break;
    }
    case SearchPanel::Memo:
    case SearchPanel::Notes:
        hit.title = NoteTitle::of(first.text);
        break;
    }
    if (match.field < 0) {
        hit.field = SearchField::Amount;
        hit.snippet = QString::asprintf("%.2f", record.amount);
        return hit;
    }
    const SearchSnapshot::Field& field = snapshot.fields()[size_t(match.field)];
    hit.field = field.kind;
    hit.fieldIndex = field.index;
    if (field.kind == SearchField::ItemNote) {
        hit.year = field.year;
        hit.month = field.month;
        hit.day = field.day;
    }
    hit.snippet = snippetOf(field.text, match.position, match.length);
    return hit;
}

} // namespace dvk
