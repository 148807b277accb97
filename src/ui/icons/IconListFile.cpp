#include "IconListFile.h"

#include "IconDecoder.h"

#include <QBuffer>
#include <QIODevice>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>

namespace dvk::IconListFile {
namespace {

constexpr char Magic[8] = {'D', 'V', 'K', 'I', 'C', 'O', 'N', 'S'};
constexpr qsizetype HeaderSize = 16;
// The smallest PNG file (signature, IHDR, IDAT, IEND) is well above this; it bounds the count.
constexpr qsizetype MinimumEntrySize = 4 + 60;

// Decodes one PNG image only when its header announces exactly size × size pixels, so a lying
// image never makes the decoder allocate more than one icon.
std::optional<QImage> decodeIcon(const QByteArray& png, int size)
{
    QBuffer buffer;
    buffer.setData(png);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setAutoTransform(false);
    if (reader.size() != QSize(size, size))
        return std::nullopt;
    QImage image = reader.read();
    if (image.isNull() || image.size() != QSize(size, size))
        return std::nullopt;
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

std::optional<QList<QImage>> read(const QByteArray& bytes, int size)
{
    if (bytes.size() < HeaderSize || !bytes.startsWith(QByteArrayView(Magic, sizeof Magic)))
        return std::nullopt;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    if (qFromLittleEndian<quint16>(data + 8) != Version ||
        qFromLittleEndian<quint16>(data + 10) != size)
        return std::nullopt;
    const quint32 count = qFromLittleEndian<quint32>(data + 12);
    qsizetype pos = HeaderSize;
    if (count > quint64(bytes.size() - pos) / MinimumEntrySize)
        return std::nullopt;

    QList<QImage> icons;
    icons.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        if (bytes.size() - pos < 4)
            return std::nullopt;
        const quint32 length = qFromLittleEndian<quint32>(data + pos);
        pos += 4;
        if (length > quint64(bytes.size() - pos))
            return std::nullopt;
        std::optional<QImage> icon = decodeIcon(bytes.mid(pos, length), size);
        if (!icon)
            return std::nullopt;
        icons << *icon;
        pos += length;
    }
    if (pos != bytes.size())
        return std::nullopt;
    return icons;
}

std::optional<QList<QImage>> read(QIODevice& device, int size)
{
    return read(device.readAll(), size);
}

bool write(QIODevice& device, const QList<QImage>& icons, int size)
{
    QByteArray out;
    out.append(Magic, sizeof Magic);
    uchar number[4];
    qToLittleEndian<quint16>(Version, number);
    out.append(reinterpret_cast<const char*>(number), 2);
    qToLittleEndian<quint16>(quint16(size), number);
    out.append(reinterpret_cast<const char*>(number), 2);
    qToLittleEndian<quint32>(quint32(icons.size()), number);
    out.append(reinterpret_cast<const char*>(number), 4);
    for (const QImage& icon : icons) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        QImageWriter writer(&png, "png");
        if (!writer.write(IconDecoder::fitToSquare(icon, size)))
            return false;
        qToLittleEndian<quint32>(quint32(png.data().size()), number);
        out.append(reinterpret_cast<const char*>(number), 4);
        out.append(png.data());
    }
    return device.write(out) == out.size();
}

} // namespace dvk::IconListFile
