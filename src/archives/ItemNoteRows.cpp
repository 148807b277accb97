#include "ItemNoteRows.h"

#include <algorithm>

namespace dvk {
namespace {

bool isBreakOrTab(QChar c)
{
    return c == u'\t' || c == u'\r' || c == u'\n';
}

bool isLeadingBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

QString ItemNoteRows::summary(const QByteArray& text)
{
    // Blanks, tabs and line breaks are single bytes in every 8-bit encoding, so they are
    // skipped before decoding; then only the start of a long note is decoded, as no character
    // takes more than four bytes.
    qsizetype start = 0;
    while (start < text.size() && isLeadingBlank(text[start]))
        ++start;
    const QString decoded =
        QString::fromLocal8Bit(text.mid(start, qsizetype(SummaryLength) * 4 + 4));
    qsizetype length = std::min<qsizetype>(SummaryLength, decoded.size());
    // A cut between the halves of a surrogate pair would leave half a character.
    if (length > 0 && length < decoded.size() && decoded[length - 1].isHighSurrogate())
        --length;
    QString line = decoded.left(length);
    for (QChar& c : line) {
        if (isBreakOrTab(c))
            c = u' ';
    }
    return line;
}

std::vector<int> ItemNoteRows::dateOrder(const std::vector<NoteRecord*>& notes, bool oldestFirst)
{
    std::vector<int> order(notes.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(), [&notes, oldestFirst](int a, int b) {
        const qint64 left = notes[size_t(a)]->dateKey();
        const qint64 right = notes[size_t(b)]->dateKey();
        return oldestFirst ? left < right : left > right;
    });
    return order;
}

} // namespace dvk
