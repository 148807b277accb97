#include "SearchQuery.h"

#include "SearchText.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

std::optional<qint64> centsOf(const QString& word)
{
    static const QRegularExpression number(u"^[-+]?[0-9]+([.,][0-9]+)?$"_s);
    if (!number.match(word).hasMatch())
        return std::nullopt;
    QString text = word;
    text.replace(u',', u'.');
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > 1e15)
        return std::nullopt;
    return qRound64(value * 100);
}

} // namespace

SearchQuery::SearchQuery(const QString& text)
{
    const QStringList parts = text.split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        Word word;
        word.folded = SearchText::fold(part);
        if (word.folded.isEmpty())
            continue;
        word.bytes = word.folded.toLocal8Bit();
        word.ascii = SearchText::isAscii(word.bytes);
        word.cents = centsOf(part);
        m_words.push_back(std::move(word));
    }
}

bool SearchQuery::matchesAmount(const Word& word, double amount)
{
    return word.cents && std::isfinite(amount) && std::abs(amount) <= 1e15 &&
           qRound64(amount * 100) == *word.cents;
}

} // namespace dvk
