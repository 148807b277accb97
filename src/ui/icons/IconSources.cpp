#include "IconSources.h"

#include "IconDecoder.h"
#include "PeIconReader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace dvk::IconSources {
namespace {

using namespace Qt::StringLiterals;

constexpr int Large = 32;
constexpr int Small = 16;
// Program files larger than this are not searched for icons.
constexpr qint64 MaximumFileSize = qint64(1) << 30;

// The extensions of icon files: .ico, read by our own parser, and the formats Qt reads.
QStringList iconExtensions()
{
    QStringList extensions{u"ico"_s};
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    for (const char* format : {"png", "svg", "svgz", "xpm", "bmp", "gif", "jpg", "jpeg"})
        if (readable.contains(QByteArray(format)))
            extensions << QString::fromLatin1(format);
    return extensions;
}

// A regular file's bytes, mapped when possible; empty for anything else or anything too large.
class FileBytes final
{
public:
    explicit FileBytes(const QString& path)
        : m_file(path)
    {
        const QFileInfo info(path);
        if (!info.isFile() || info.size() > MaximumFileSize || !m_file.open(QIODevice::ReadOnly))
            return;
        if (uchar* mapped = m_file.map(0, m_file.size()))
            m_bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped),
                                              qsizetype(m_file.size()));
        else
            m_bytes = m_file.read(MaximumFileSize);
    }
    const QByteArray& bytes() const { return m_bytes; }

private:
    QFile m_file;
    QByteArray m_bytes;
};

QImage imageBytes(const QByteArray& file, int size)
{
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize announced = reader.size();
    if (announced.isEmpty() || announced.width() > IconDecoder::MaximumSide ||
        announced.height() > IconDecoder::MaximumSide)
        return {};
    const QImage image = reader.read();
    return image.isNull() ? QImage() : IconDecoder::fitToSquare(image, size);
}

std::optional<IconPair> pair(const QImage& large, const QImage& small)
{
    if (large.isNull() || small.isNull())
        return std::nullopt;
    return IconPair{large, small};
}

} // namespace

QString fileFilter()
{
    QString icons;
    for (const QString& extension : iconExtensions())
        icons += (icons.isEmpty() ? u"*."_s : u" *."_s) + extension;
    return u"Icon Files (%1);;Program Files (*.exe *.dll)"_s.arg(icons);
}

bool isIconFile(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 1 || dot < path.lastIndexOf(u'/'))
        return false;
    return iconExtensions().contains(path.mid(dot + 1), Qt::CaseInsensitive);
}

std::optional<IconPair> iconFile(const QString& path)
{
    const FileBytes file(path);
    // A damaged .ico is refused rather than handed to a more lenient reader.
    if (IconDecoder::looksLikeIcoFile(file.bytes())) {
        const auto entries = IconDecoder::parseIcoFile(file.bytes());
        if (!entries)
            return std::nullopt;
        return pair(IconDecoder::best(*entries, Large), IconDecoder::best(*entries, Small));
    }
    return pair(IconDecoder::fromImageFile(path, Large), IconDecoder::fromImageFile(path, Small));
}

QList<QImage> moduleIcons(const QByteArray& file)
{
    QList<QImage> icons;
    if (PeIconReader::looksLikeProgram(file)) {
        const PeIconReader reader(file);
        for (qsizetype i = 0; i < reader.groupCount(); ++i) {
            const QImage icon = IconDecoder::best(reader.group(i), Large);
            if (icon.isNull())
                break;
            icons << icon;
        }
    } else if (IconDecoder::looksLikeIcoFile(file)) {
        const auto entries = IconDecoder::parseIcoFile(file);
        for (const IconEntry& entry : entries.value_or(QList<IconEntry>())) {
            const QImage image = IconDecoder::decode(entry);
            if (image.isNull())
                break;
            icons << IconDecoder::fitToSquare(image, Large);
        }
    } else if (const QImage image = imageBytes(file, Large); !image.isNull()) {
        icons << image;
    }
    return icons;
}

QList<QImage> moduleIcons(const QString& path)
{
    return moduleIcons(FileBytes(path).bytes());
}

std::optional<IconPair> moduleIcon(const QByteArray& file, int index)
{
    if (index < 0)
        return std::nullopt;
    if (PeIconReader::looksLikeProgram(file)) {
        const PeIconReader reader(file);
        const QList<IconEntry> group = reader.group(index);
        return pair(IconDecoder::best(group, Large), IconDecoder::best(group, Small));
    }
    if (IconDecoder::looksLikeIcoFile(file)) {
        const auto entries = IconDecoder::parseIcoFile(file);
        if (!entries || index >= entries->size())
            return std::nullopt;
        const QImage image = IconDecoder::decode(entries->at(index));
        if (image.isNull())
            return std::nullopt;
        return pair(IconDecoder::fitToSquare(image, Large), IconDecoder::fitToSquare(image, Small));
    }
    if (index != 0)
        return std::nullopt;
    return pair(imageBytes(file, Large), imageBytes(file, Small));
}

std::optional<IconPair> moduleIcon(const QString& path, int index)
{
    return moduleIcon(FileBytes(path).bytes(), index);
}

} // namespace dvk::IconSources
