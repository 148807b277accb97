#include "CharFormatRecord.h"

#include <QFontInfo>
#include <cmath>

namespace dvk {
namespace {

// Offsets of the fields in the stored record.
constexpr int SizeField = 0;
constexpr int MaskField = 4;
constexpr int EffectsField = 8;
constexpr int HeightField = 12;
constexpr int OffsetField = 16;
constexpr int ColorField = 20;
constexpr int CharSetField = 24;
constexpr int PitchAndFamilyField = 25;
constexpr int FaceNameField = 26;

// Pitch in the low bits, family in the high nibble.
constexpr quint8 FixedPitch = 1;
constexpr quint8 VariablePitch = 2;
constexpr quint8 FamilyRoman = 0x10;
constexpr quint8 FamilySwiss = 0x20;
constexpr quint8 FamilyModern = 0x30;
constexpr quint8 FamilyScript = 0x40;
constexpr quint8 FamilyDecorative = 0x50;

quint32 readU32(const QByteArray& bytes, int at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

void writeU32(QByteArray& bytes, int at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(quint8(value >> (8 * i)));
}

quint8 pitchAndFamilyOf(const QFont& font)
{
    quint8 family = 0;
    switch (font.styleHint()) {
    case QFont::Serif:
        family = FamilyRoman;
        break;
    case QFont::SansSerif:
        family = FamilySwiss;
        break;
    case QFont::TypeWriter:
    case QFont::Monospace:
        family = FamilyModern;
        break;
    case QFont::Cursive:
        family = FamilyScript;
        break;
    case QFont::Decorative:
    case QFont::Fantasy:
        family = FamilyDecorative;
        break;
    default:
        break;
    }
    return family | (QFontInfo(font).fixedPitch() ? FixedPitch : VariablePitch);
}

QFont::StyleHint styleHintOf(quint8 pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case FamilyRoman:
        return QFont::Serif;
    case FamilySwiss:
        return QFont::SansSerif;
    case FamilyModern:
        return QFont::Monospace;
    case FamilyScript:
        return QFont::Cursive;
    case FamilyDecorative:
        return QFont::Decorative;
    default:
        return (pitchAndFamily & 0x03) == FixedPitch ? QFont::Monospace : QFont::AnyStyle;
    }
}

// The family name in at most FaceNameSize - 1 bytes, cut at a character boundary.
QByteArray faceNameOf(QString family)
{
    QByteArray bytes = family.toLocal8Bit();
    while (bytes.size() >= CharFormatRecord::FaceNameSize && !family.isEmpty()) {
        family.chop(family.size() >= 2 && family.back().isLowSurrogate() ? 2 : 1);
        bytes = family.toLocal8Bit();
    }
    return bytes;
}

} // namespace

std::optional<CharFormatRecord> CharFormatRecord::fromBytes(const QByteArray& bytes)
{
    if (bytes.size() != Size)
        return std::nullopt;
    CharFormatRecord record;
    record.mask = readU32(bytes, MaskField);
    record.effects = readU32(bytes, EffectsField);
    record.heightTwips = qint32(readU32(bytes, HeightField));
    record.offset = qint32(readU32(bytes, OffsetField));
    record.color = readU32(bytes, ColorField);
    record.charSet = quint8(bytes[CharSetField]);
    record.pitchAndFamily = quint8(bytes[PitchAndFamilyField]);
    const QByteArray face = bytes.mid(FaceNameField, FaceNameSize - 1);
    const qsizetype end = face.indexOf('\0');
    record.faceName = end < 0 ? face : face.left(end);
    return record;
}

CharFormatRecord CharFormatRecord::fromFont(const QFont& font)
{
    CharFormatRecord record;
    if (font.pointSizeF() > 0) {
        record.mask |= MaskSize;
        record.heightTwips = qint32(std::lround(font.pointSizeF() * 10) * 2);
    }
    if (!font.family().isEmpty()) {
        record.mask |= MaskFace;
        record.faceName = faceNameOf(font.family());
        record.pitchAndFamily = pitchAndFamilyOf(font);
    }
    record.mask |= MaskCharSet;
    record.charSet = DefaultCharSet;
    return record;
}

QByteArray CharFormatRecord::toBytes() const
{
    QByteArray bytes(Size, '\0');
    writeU32(bytes, SizeField, Size);
    writeU32(bytes, MaskField, mask);
    writeU32(bytes, EffectsField, effects);
    writeU32(bytes, HeightField, quint32(heightTwips));
    writeU32(bytes, OffsetField, quint32(offset));
    writeU32(bytes, ColorField, color);
    bytes[CharSetField] = char(charSet);
    bytes[PitchAndFamilyField] = char(pitchAndFamily);
    const QByteArray face = faceName.left(FaceNameSize - 1);
    bytes.replace(FaceNameField, face.size(), face);
    return bytes;
}

QFont CharFormatRecord::applyTo(QFont base) const
{
    if ((mask & MaskSize) && heightTwips >= MinHeightTwips && heightTwips <= MaxHeightTwips)
        base.setPointSizeF(heightTwips / 20.0);
    if ((mask & MaskFace) && !faceName.isEmpty()) {
        base.setFamily(QString::fromLocal8Bit(faceName));
        base.setStyleHint(styleHintOf(pitchAndFamily));
    }
    base.setBold(false);
    base.setItalic(false);
    base.setUnderline(false);
    base.setStrikeOut(false);
    return base;
}

} // namespace dvk
