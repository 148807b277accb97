#include "SearchText.h"

#include <QList>
#include <array>
#include <cstring>

namespace dvk::SearchText {
namespace {

constexpr std::array<char, 256> lowerTable()
{
    std::array<char, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[size_t(i)] = char(i >= 'A' && i <= 'Z' ? i + ('a' - 'A') : i);
    return table;
}
constexpr std::array<char, 256> Lower = lowerTable();

bool isMark(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

void appendFolded(QString& out, char32_t c)
{
    const char32_t folded = QChar::toCaseFolded(c);
    if (QChar::requiresSurrogates(folded)) {
        out += QChar(QChar::highSurrogate(folded));
        out += QChar(QChar::lowSurrogate(folded));
    } else {
        out += QChar(char16_t(folded));
    }
}

} // namespace

QString fold(QStringView text, std::vector<qsizetype>* sources)
{
    QString out;
    out.reserve(text.size());
    if (sources) {
        sources->clear();
        sources->reserve(size_t(text.size()));
    }
    const auto record = [&](qsizetype from, qsizetype before) {
        if (sources)
            sources->insert(sources->end(), size_t(out.size() - before), from);
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype from = i;
        const qsizetype before = out.size();
        const char16_t unit = text[i].unicode();
        if (unit < 0x80) {
            out += QLatin1Char(Lower[unit]);
            record(from, before);
            continue;
        }
        char32_t c = unit;
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(unit, text[++i].unicode());
        if (QChar::decompositionTag(c) == QChar::Canonical) {
            const QString decomposed =
                QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_D);
            for (const uint d : decomposed.toUcs4()) {
                if (!isMark(d))
                    appendFolded(out, d);
            }
        } else if (!isMark(c)) {
            appendFolded(out, c);
        }
        record(from, before);
    }
    return out;
}

bool isAscii(QByteArrayView bytes)
{
    const char* p = bytes.data();
    qsizetype n = bytes.size();
    for (; n >= 8; p += 8, n -= 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        if (word & 0x8080808080808080ULL)
            return false;
    }
    for (; n > 0; ++p, --n) {
        if (uchar(*p) & 0x80)
            return false;
    }
    return true;
}

qsizetype findAscii(QByteArrayView text, QByteArrayView foldedNeedle)
{
    const qsizetype n = foldedNeedle.size();
    if (n == 0)
        return 0;
    const char* t = text.data();
    const char* needle = foldedNeedle.data();
    const char first = needle[0];
    const qsizetype last = text.size() - n;
    for (qsizetype i = 0; i <= last; ++i) {
        if (Lower[uchar(t[i])] != first)
            continue;
        qsizetype k = 1;
        while (k < n && Lower[uchar(t[i + k])] == needle[k])
            ++k;
        if (k == n)
            return i;
    }
    return -1;
}

} // namespace dvk::SearchText
