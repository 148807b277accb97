#pragma once

#include <QByteArray>
#include <QString>

namespace dvk {

// The label of a note's icon: the text from its first visible character (leading blanks, tabs,
// carriage returns and line feeds skipped), at most MaxLength characters of it, every tab,
// carriage return and line feed shown as a blank. Only the start of the text is decoded, so long
// notes cost no more than short ones.
class NoteTitle final
{
public:
    static constexpr qsizetype MaxLength = 80;

    static QString of(const QByteArray& text);
};

} // namespace dvk
