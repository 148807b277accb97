#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <optional>

namespace dvk {

// One image of an icon as a Windows icon file or an icon group of a program file describes it:
// its announced size and colour depth and its bytes (a device-independent bitmap with its mask,
// or a PNG file).
struct IconEntry
{
    int width = 0;
    int height = 0;
    int bitCount = 0;
    QByteArray data;
};

// Turns icon images into the square pictures of the icon library. Every decoder here is
// bounded: no image is decoded whose announced size exceeds MaximumSide pixels.
namespace IconDecoder {

inline constexpr int MaximumSide = 1024;

// True when `file` starts with the header of a Windows icon file (.ico).
bool looksLikeIcoFile(QByteArrayView file);

// The image entries of a Windows icon file (.ico), in file order; nullopt when `file` is not one
// or its directory does not fit in it.
std::optional<QList<IconEntry>> parseIcoFile(QByteArrayView file);

// The picture of one entry, in ARGB32; null when it does not decode.
QImage decode(const IconEntry& entry);

// The picture that best fits a square of `size` pixels: an entry of exactly that size with the
// most colours, else the smallest larger one, else the largest; fitted to the square. Entries
// that do not decode are passed over. Null when none decodes.
QImage best(const QList<IconEntry>& entries, int size);

// `image` scaled smoothly to fit a transparent `size` × `size` square, centred, in ARGB32.
QImage fitToSquare(const QImage& image, int size);

// The picture of an image file Qt reads (PNG, BMP, XPM, SVG...) fitted to `size` pixels; null
// when the file cannot be read or announces an oversized image.
QImage fromImageFile(const QString& path, int size);

} // namespace IconDecoder
} // namespace dvk
