#pragma once

#include "Records.h"

#include <QString>
#include <vector>

namespace dvk {

// The texts and order of an archive item's note rows, without any widget: the one-line summary
// of a note and the date order, newest or oldest first.
class ItemNoteRows final
{
public:
    // The longest summary, in characters (the list's text buffer holds one more).
    static constexpr int SummaryLength = 254;

    // The text from its first visible character on, at most SummaryLength characters, each tab,
    // carriage return and line feed shown as a space.
    static QString summary(const QByteArray& text);

    // The order of `notes` by date (year * 10000 + month * 100 + day), the larger first unless
    // `oldestFirst`; notes of one date keep their order. Element i is the index of the note that
    // comes i-th.
    static std::vector<int> dateOrder(const std::vector<NoteRecord*>& notes, bool oldestFirst);
};

} // namespace dvk
