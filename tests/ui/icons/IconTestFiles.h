#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QtEndian>

// Builders of small Windows icon and program files for the icon tests: a one-colour icon image
// as a bitmap or a PNG, an .ico holding several images, and a PE32 or PE32+ program whose
// resources hold icon groups.
namespace dvk::test::IconFiles {

inline void put16(QByteArray& bytes, qsizetype at, quint16 value)
{
    qToLittleEndian<quint16>(value, bytes.data() + at);
}

inline void put32(QByteArray& bytes, qsizetype at, quint32 value)
{
    qToLittleEndian<quint32>(value, bytes.data() + at);
}

// A 32-bit bitmap with its (all opaque) mask, as stored in icon files and resources.
inline QByteArray bitmap(int size, QColor colour)
{
    const int maskRow = ((size + 31) / 32) * 4;
    QByteArray dib(40 + size * size * 4 + size * maskRow, '\0');
    put32(dib, 0, 40);
    put32(dib, 4, quint32(size));
    put32(dib, 8, quint32(size * 2));
    put16(dib, 12, 1);
    put16(dib, 14, 32);
    put32(dib, 20, quint32(size * size * 4));
    for (int p = 0; p < size * size; ++p)
        put32(dib, 40 + p * 4, colour.rgb() | 0xff000000u); // blue, green, red, alpha
    return dib;
}

inline QImage square(int size, QColor colour)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

inline QByteArray png(int size, QColor colour)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    square(size, colour).save(&buffer, "PNG");
    return buffer.data();
}

struct Image
{
    int size;
    QByteArray data;
};

// The part of a directory entry that an .ico file and a resource icon group share.
inline void putEntry(QByteArray& bytes, qsizetype at, const Image& image)
{
    bytes[at] = char(image.size & 0xff);
    bytes[at + 1] = char(image.size & 0xff);
    put16(bytes, at + 4, 1);
    put16(bytes, at + 6, 32);
    put32(bytes, at + 8, quint32(image.data.size()));
}

inline QByteArray ico(const QList<Image>& images)
{
    QByteArray file(6 + 16 * images.size(), '\0');
    put16(file, 2, 1);
    put16(file, 4, quint16(images.size()));
    for (qsizetype i = 0; i < images.size(); ++i) {
        putEntry(file, 6 + 16 * i, images[i]);
        put32(file, 6 + 16 * i + 12, quint32(file.size()));
        file += images[i].data;
    }
    return file;
}

// Offsets of the headers in a program built by program(), for tests that corrupt them.
inline constexpr qsizetype PeHeader = 0x40;
inline constexpr qsizetype OptionalHeader = PeHeader + 24;
inline constexpr quint32 ResourceAddress = 0x1000;
inline constexpr qsizetype ResourceFileOffset = 0x200;

// A program file with one section ".rsrc" holding RT_ICON images 1, 2, ... and one RT_GROUP_ICON
// per entry of `groups` (ids 101, 102, ...), each naming its images in order.
inline QByteArray program(bool pe32Plus, const QList<QList<Image>>& groups)
{
    QList<Image> icons;
    QList<QByteArray> groupData;
    for (const QList<Image>& group : groups) {
        QByteArray data(6 + 14 * group.size(), '\0');
        put16(data, 2, 1);
        put16(data, 4, quint16(group.size()));
        for (qsizetype i = 0; i < group.size(); ++i) {
            icons << group[i];
            putEntry(data, 6 + 14 * i, group[i]);
            put16(data, 6 + 14 * i + 12, quint16(icons.size()));
        }
        groupData << data;
    }

    // Resource tree: root (2 types) -> per type a name directory -> per name a language
    // directory with one data entry. Directories first, then data entries, then the bytes.
    QByteArray tree;
    auto directory = [&tree](int count) {
        const qsizetype at = tree.size();
        tree += QByteArray(16 + 8 * count, '\0');
        put16(tree, at + 14, quint16(count));
        return at;
    };
    auto entry = [&tree](qsizetype dir, int i, quint32 id, quint32 target) {
        put32(tree, dir + 16 + 8 * i, id);
        put32(tree, dir + 16 + 8 * i + 4, target);
    };
    const qsizetype root = directory(2);
    const qsizetype iconNames = directory(int(icons.size()));
    const qsizetype groupNames = directory(int(groupData.size()));
    entry(root, 0, 3, 0x80000000u | quint32(iconNames));
    entry(root, 1, 14, 0x80000000u | quint32(groupNames));
    QList<std::pair<qsizetype, QByteArray>> pending; // data entry offset, bytes
    auto leaf = [&](qsizetype names, int i, quint32 id, const QByteArray& bytes) {
        const qsizetype language = directory(1);
        entry(names, i, id, 0x80000000u | quint32(language));
        const qsizetype data = tree.size();
        tree += QByteArray(16, '\0');
        entry(language, 0, 1033, quint32(data));
        pending.append({data, bytes});
    };
    for (qsizetype i = 0; i < icons.size(); ++i)
        leaf(iconNames, int(i), quint32(i + 1), icons[i].data);
    for (qsizetype i = 0; i < groupData.size(); ++i)
        leaf(groupNames, int(i), quint32(101 + i), groupData[i]);
    for (const auto& [data, bytes] : pending) {
        while (tree.size() % 4)
            tree += '\0';
        put32(tree, data, ResourceAddress + quint32(tree.size()));
        put32(tree, data + 4, quint32(bytes.size()));
        tree += bytes;
    }

    const qsizetype optionalSize = pe32Plus ? 240 : 224;
    const qsizetype sections = OptionalHeader + optionalSize;
    QByteArray file(ResourceFileOffset, '\0');
    file[0] = 'M';
    file[1] = 'Z';
    put32(file, 0x3c, PeHeader);
    file.replace(PeHeader, 4, QByteArray("PE\0\0", 4));
    put16(file, PeHeader + 4, pe32Plus ? 0x8664 : 0x14c);
    put16(file, PeHeader + 6, 1);
    put16(file, PeHeader + 20, quint16(optionalSize));
    put16(file, OptionalHeader, pe32Plus ? 0x20b : 0x10b);
    const qsizetype directories = OptionalHeader + (pe32Plus ? 112 : 96);
    put32(file, directories - 4, 16);
    put32(file, directories + 16, ResourceAddress);
    put32(file, directories + 20, quint32(tree.size()));
    file.replace(sections, 8, QByteArray(".rsrc\0\0\0", 8));
    put32(file, sections + 8, quint32(tree.size()));
    put32(file, sections + 12, ResourceAddress);
    put32(file, sections + 16, quint32(tree.size()));
    put32(file, sections + 20, quint32(ResourceFileOffset));
    return file + tree;
}

} // namespace dvk::test::IconFiles
