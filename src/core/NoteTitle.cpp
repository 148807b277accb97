#include "NoteTitle.h"

namespace dvk {
namespace {

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Enough bytes for MaxLength characters in any 8-bit or multi-byte locale encoding.
constexpr qsizetype MaxBytesPerCharacter = 4;

} // namespace

QString NoteTitle::of(const QByteArray& text)
{
    qsizetype start = 0;
    while (start < text.size() && isSkipped(text[start]))
        ++start;
    QString title = QString::fromLocal8Bit(text.mid(start, MaxLength * MaxBytesPerCharacter));
    if (title.size() > MaxLength) {
        const bool splitsPair = title[MaxLength - 1].isHighSurrogate();
        title.truncate(splitsPair ? MaxLength - 1 : MaxLength);
    }
    for (QChar& c : title) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return title;
}

} // namespace dvk
