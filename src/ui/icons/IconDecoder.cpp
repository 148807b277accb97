#include "IconDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>
#include <algorithm>

namespace dvk::IconDecoder {
namespace {

constexpr char PngSignature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
constexpr qsizetype IcoHeaderSize = 6;
constexpr qsizetype IcoEntrySize = 16;
constexpr qsizetype DibHeaderSize = 40;
// The side an image file may announce before it is refused; scaling readers (SVG) are exempt.
constexpr int MaximumFileSide = 4096;

quint16 u16(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

quint32 u32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

QImage decodePng(const QByteArray& data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (size.isEmpty() || size.width() > MaximumSide || size.height() > MaximumSide)
        return {};
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

// A bitmap entry is decoded by Qt's icon reader from a one-image icon file built around it. The
// file's directory gives the size that the bitmap's own header states, so the reader allocates
// no more than those (at most 256 × 256) pixels.
QImage decodeBitmap(const QByteArray& dib)
{
    if (dib.size() < DibHeaderSize || u32(dib, 0) < DibHeaderSize)
        return {};
    const auto width = qint32(u32(dib, 4));
    const auto doubleHeight = qint32(u32(dib, 8));
    const qint32 height = doubleHeight / 2;
    if (width < 1 || width > 256 || height < 1 || height > 256)
        return {};
    const quint16 bitCount = u16(dib, 14);

    QByteArray ico(IcoHeaderSize + IcoEntrySize, '\0');
    auto* out = reinterpret_cast<uchar*>(ico.data());
    qToLittleEndian<quint16>(1, out + 2);
    qToLittleEndian<quint16>(1, out + 4);
    out[6] = uchar(width & 0xff);
    out[7] = uchar(height & 0xff);
    qToLittleEndian<quint16>(1, out + 10);
    qToLittleEndian<quint16>(bitCount, out + 12);
    qToLittleEndian<quint32>(quint32(dib.size()), out + 14);
    qToLittleEndian<quint32>(quint32(ico.size()), out + 18);
    ico.append(dib);

    QBuffer buffer;
    buffer.setData(ico);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    const QImage image = reader.read();
    if (image.isNull() || image.width() > 256 || image.height() > 256)
        return {};
    return image.convertToFormat(QImage::Format_ARGB32);
}

int depth(const IconEntry& entry)
{
    return entry.bitCount > 0 ? entry.bitCount : 32;
}

} // namespace

bool looksLikeIcoFile(QByteArrayView file)
{
    return file.size() >= IcoHeaderSize && u16(file, 0) == 0 && u16(file, 2) == 1;
}

std::optional<QList<IconEntry>> parseIcoFile(QByteArrayView file)
{
    if (!looksLikeIcoFile(file))
        return std::nullopt;
    const quint16 count = u16(file, 4);
    if (count == 0 || IcoHeaderSize + count * IcoEntrySize > file.size())
        return std::nullopt;
    QList<IconEntry> entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        const qsizetype at = IcoHeaderSize + i * IcoEntrySize;
        const quint32 length = u32(file, at + 8);
        const quint32 offset = u32(file, at + 12);
        if (offset > quint64(file.size()) || length > quint64(file.size()) - offset)
            return std::nullopt;
        IconEntry entry;
        entry.width = uchar(file[at]) == 0 ? 256 : uchar(file[at]);
        entry.height = uchar(file[at + 1]) == 0 ? 256 : uchar(file[at + 1]);
        entry.bitCount = u16(file, at + 6);
        entry.data = file.sliced(offset, length).toByteArray();
        entries << entry;
    }
    return entries;
}

QImage decode(const IconEntry& entry)
{
    if (entry.data.startsWith(QByteArrayView(PngSignature, sizeof PngSignature)))
        return decodePng(entry.data);
    return decodeBitmap(entry.data);
}

QImage best(const QList<IconEntry>& entries, int size)
{
    // Rank: 0 exact size, 1 larger (smallest first), 2 smaller (largest first); more colours
    // first within a size.
    auto rank = [size](const IconEntry& e) {
        const qint64 area = qint64(e.width) * e.height;
        if (e.width == size && e.height == size)
            return std::tuple(0, qint64(0), -depth(e));
        if (e.width >= size && e.height >= size)
            return std::tuple(1, area, -depth(e));
        return std::tuple(2, -area, -depth(e));
    };
    QList<const IconEntry*> order;
    order.reserve(entries.size());
    for (const IconEntry& entry : entries)
        order << &entry;
    std::stable_sort(order.begin(), order.end(), [&rank](const IconEntry* a, const IconEntry* b) {
        return rank(*a) < rank(*b);
    });
    for (const IconEntry* entry : order) {
        const QImage image = decode(*entry);
        if (!image.isNull())
            return fitToSquare(image, size);
    }
    return {};
}

QImage fitToSquare(const QImage& image, int size)
{
    if (image.size() == QSize(size, size))
        return image.convertToFormat(QImage::Format_ARGB32);
    QImage square(size, size, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    const QImage scaled = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&square);
    painter.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
    painter.end();
    return square.convertToFormat(QImage::Format_ARGB32);
}

QImage fromImageFile(const QString& path, int size)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize announced = reader.size();
    if (announced.isEmpty())
        return {};
    if (reader.supportsOption(QImageIOHandler::ScaledSize)) {
        reader.setScaledSize(announced.scaled(size, size, Qt::KeepAspectRatio));
    } else if (announced.width() > MaximumFileSide || announced.height() > MaximumFileSide) {
        return {};
    }
    const QImage image = reader.read();
    return image.isNull() ? QImage() : fitToSquare(image, size);
}

} // namespace dvk::IconDecoder
