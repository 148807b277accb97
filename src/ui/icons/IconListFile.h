#pragma once

#include <QImage>
#include <QList>
#include <optional>

class QIODevice;

namespace dvk {

// Reads and writes one list of square icons in DVK's icon list container (DVK.LIL holds the
// 32-pixel list, DVK.SIL the 16-pixel one). All numbers are little-endian:
//
//   8 bytes   magic "DVKICONS"
//   uint16    version, 1
//   uint16    icon size in pixels (width and height)
//   uint32    icon count
//   count ×   { uint32 length; length bytes holding one PNG image of size × size pixels }
//
// Nothing follows the last image. The reader trusts none of it: a count or length that the
// remaining bytes cannot hold, an image that does not decode or has another size, or trailing
// bytes make the whole file unusable.
namespace IconListFile {

inline constexpr quint16 Version = 1;

// The icons of `device` read to its end, each converted to ARGB32; nullopt when the contents are
// not a well-formed list of `size`-pixel icons.
std::optional<QList<QImage>> read(QIODevice& device, int size);
// Same, from bytes already in memory.
std::optional<QList<QImage>> read(const QByteArray& bytes, int size);

// Writes `icons` (each scaled to `size` pixels if needed); false when the device fails.
bool write(QIODevice& device, const QList<QImage>& icons, int size);

} // namespace IconListFile
} // namespace dvk
