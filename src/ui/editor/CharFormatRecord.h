#pragma once

#include <QByteArray>
#include <QFont>
#include <QtGlobal>
#include <optional>

namespace dvk {

// The note editor's font as it is stored in the RichEditDefaultFont setting: a 60-byte character
// format record, little-endian: size of the record (60), mask, effects, height in twips, offset,
// colour, character set, pitch and family, a 32-byte face name in the locale's 8-bit encoding and
// two bytes of padding. The editor only ever sets the size, face and character set; effects
// such as bold or italic are kept in the record but never applied.
struct CharFormatRecord final
{
    static constexpr int Size = 60;
    static constexpr int FaceNameSize = 32;

    // Mask bits telling which fields are valid.
    static constexpr quint32 MaskBold = 0x00000001;
    static constexpr quint32 MaskItalic = 0x00000002;
    static constexpr quint32 MaskCharSet = 0x08000000;
    static constexpr quint32 MaskFace = 0x20000000;
    static constexpr quint32 MaskSize = 0x80000000;

    // The character set a font chosen here is written with: "the font's own script", as Qt
    // fonts carry no character set.
    static constexpr quint8 DefaultCharSet = 1;
    // Heights outside 1 to 1638 points (in twips) come from a damaged value and are ignored.
    static constexpr qint32 MinHeightTwips = 20;
    static constexpr qint32 MaxHeightTwips = 32760;

    // The record held by `bytes`; nullopt unless it is exactly 60 bytes long.
    static std::optional<CharFormatRecord> fromBytes(const QByteArray& bytes);
    // The record for a font chosen by the user: size (unless the font has no point size), face
    // and character set; no effects.
    static CharFormatRecord fromFont(const QFont& font);

    QByteArray toBytes() const;
    // `base` with the record's valid size and face applied. Bold, italic, underline and strike
    // out are always off: the editor shows its text in one plain font.
    QFont applyTo(QFont base) const;

    quint32 mask = 0;
    quint32 effects = 0;
    qint32 heightTwips = 0;
    qint32 offset = 0;
    quint32 color = 0;
    quint8 charSet = 0;
    quint8 pitchAndFamily = 0;
    QByteArray faceName; // at most 31 bytes, no terminating zero
};

} // namespace dvk
