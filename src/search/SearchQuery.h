#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace dvk {

// What the user typed in the Find box, split into words. A record matches when every word
// occurs, folded (see SearchText), as a substring of one of its texts. A word that reads as a
// number ("12.5", "-3", "7,25") also matches a Purse amount of the same value in cents, so
// "12.5" finds an entry of 12.50.
class SearchQuery final
{
public:
    struct Word
    {
        QString folded;
        // The folded word in the stored texts' encoding, for the search on ASCII texts.
        QByteArray bytes;
        bool ascii = true;
        // The amount in cents when the word reads as a number.
        std::optional<qint64> cents;
    };

    explicit SearchQuery(const QString& text = {});

    const std::vector<Word>& words() const { return m_words; }
    bool isEmpty() const { return m_words.empty(); }
    // Whether an amount matches `word`: only numeric words match amounts.
    static bool matchesAmount(const Word& word, double amount);

private:
    std::vector<Word> m_words;
};

} // namespace dvk
