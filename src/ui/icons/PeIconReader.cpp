#include "PeIconReader.h"

#include <QHash>
#include <QtEndian>
#include <optional>

namespace dvk {
namespace {

constexpr quint32 ResourceIcon = 3;
constexpr quint32 ResourceGroupIcon = 14;
constexpr qsizetype SectionHeaderSize = 40;
constexpr qsizetype GroupHeaderSize = 6;
constexpr qsizetype GroupEntrySize = 14;
constexpr quint32 LanguagesLooked = 8;
constexpr qsizetype MaximumGroups = 4096;
constexpr qsizetype MaximumImagesPerGroup = 64;

struct Section
{
    quint32 address;
    quint32 rawSize;
    quint32 rawOffset;
};

struct DirectoryEntry
{
    quint32 id; // meaningful only when `named` is false
    bool named;
    bool subdirectory;
    quint32 offset; // from the start of the resource tree
};

// Bounds-checked little-endian reads over the file's bytes.
class Bytes
{
public:
    explicit Bytes(QByteArrayView bytes)
        : m_bytes(bytes)
    {}

    bool has(quint64 at, quint64 length) const
    {
        return at <= quint64(m_bytes.size()) && length <= quint64(m_bytes.size()) - at;
    }
    std::optional<quint16> u16(quint64 at) const
    {
        if (!has(at, 2))
            return std::nullopt;
        return qFromLittleEndian<quint16>(m_bytes.data() + at);
    }
    std::optional<quint32> u32(quint64 at) const
    {
        if (!has(at, 4))
            return std::nullopt;
        return qFromLittleEndian<quint32>(m_bytes.data() + at);
    }
    std::optional<uchar> u8(quint64 at) const
    {
        if (!has(at, 1))
            return std::nullopt;
        return uchar(m_bytes[qsizetype(at)]);
    }

private:
    QByteArrayView m_bytes;
};

class Parser
{
public:
    explicit Parser(QByteArrayView file)
        : m_bytes(file)
    {}

    bool readHeaders()
    {
        if (m_bytes.u16(0) != quint16(0x5a4d))
            return false;
        const auto pe = m_bytes.u32(0x3c);
        if (!pe || m_bytes.u32(*pe) != quint32(0x00004550))
            return false;
        const quint64 coff = quint64(*pe) + 4;
        const auto sectionCount = m_bytes.u16(coff + 2);
        const auto optionalSize = m_bytes.u16(coff + 16);
        if (!sectionCount || !optionalSize)
            return false;
        const quint64 optional = coff + 20;
        const auto magic = m_bytes.u16(optional);
        quint64 directories = 0;
        quint64 directoryCountAt = 0;
        if (magic == quint16(0x10b)) {
            directoryCountAt = optional + 92;
            directories = optional + 96;
        } else if (magic == quint16(0x20b)) {
            directoryCountAt = optional + 108;
            directories = optional + 112;
        } else {
            return false;
        }
        const quint64 resourceDirectory = directories + 2 * 8;
        const auto directoryCount = m_bytes.u32(directoryCountAt);
        if (!directoryCount || *directoryCount <= 2 ||
            resourceDirectory + 8 > optional + *optionalSize)
            return false;
        const auto resourceAddress = m_bytes.u32(resourceDirectory);
        if (!resourceAddress || *resourceAddress == 0)
            return false;
        m_resourceRoot = *resourceAddress;

        const quint64 sections = optional + *optionalSize;
        for (quint32 i = 0; i < *sectionCount; ++i) {
            const quint64 at = sections + i * SectionHeaderSize;
            if (!m_bytes.has(at, SectionHeaderSize))
                return false;
            m_sections.push_back(
                {*m_bytes.u32(at + 12), *m_bytes.u32(at + 16), *m_bytes.u32(at + 20)});
        }
        return true;
    }

    // The file offset of `length` bytes at relative virtual address `address`, when one section
    // holds them all in the file.
    std::optional<quint64> fileOffset(quint64 address, quint64 length) const
    {
        for (const Section& section : m_sections) {
            if (address < section.address)
                continue;
            const quint64 into = address - section.address;
            if (into > section.rawSize || length > section.rawSize - into)
                continue;
            const quint64 offset = quint64(section.rawOffset) + into;
            if (m_bytes.has(offset, length))
                return offset;
        }
        return std::nullopt;
    }

    // The first `limit` entries of the resource directory at `offset` from the tree's start.
    QList<DirectoryEntry> directory(quint32 offset, quint32 limit = 0x20000) const
    {
        QList<DirectoryEntry> entries;
        const auto header = fileOffset(quint64(m_resourceRoot) + offset, 16);
        if (!header)
            return entries;
        const quint32 count =
            qMin(quint32(*m_bytes.u16(*header + 12)) + *m_bytes.u16(*header + 14), limit);
        for (quint32 i = 0; i < count; ++i) {
            const auto at = fileOffset(quint64(m_resourceRoot) + offset + 16 + quint64(i) * 8, 8);
            if (!at)
                break;
            const quint32 name = *m_bytes.u32(*at);
            const quint32 target = *m_bytes.u32(*at + 4);
            entries.push_back({name & 0x7fffffff, (name & 0x80000000) != 0,
                               (target & 0x80000000) != 0, target & 0x7fffffff});
        }
        return entries;
    }

    // Follows a name entry (level 2) through its first language (level 3) to the data it
    // describes: the file offset and length of the resource's bytes.
    std::optional<std::pair<quint64, quint32>> resourceData(const DirectoryEntry& name) const
    {
        if (!name.subdirectory)
            return std::nullopt;
        // Only a few languages are looked at, so that many names sharing one huge language
        // directory cannot make the walk quadratic.
        for (const DirectoryEntry& language : directory(name.offset, LanguagesLooked)) {
            if (language.subdirectory)
                continue;
            const auto entry = fileOffset(quint64(m_resourceRoot) + language.offset, 16);
            if (!entry)
                return std::nullopt;
            const quint32 address = *m_bytes.u32(*entry);
            const quint32 size = *m_bytes.u32(*entry + 4);
            const auto data = fileOffset(address, size);
            if (!data)
                return std::nullopt;
            return std::pair(*data, size);
        }
        return std::nullopt;
    }

    QList<DirectoryEntry> typeEntries(quint32 type) const
    {
        for (const DirectoryEntry& entry : directory(0))
            if (!entry.named && entry.id == type && entry.subdirectory)
                return directory(entry.offset);
        return {};
    }

    const Bytes& bytes() const { return m_bytes; }

private:
    Bytes m_bytes;
    quint32 m_resourceRoot = 0;
    std::vector<Section> m_sections;
};

} // namespace

PeIconReader::PeIconReader(QByteArray file)
    : m_file(std::move(file))
{
    parse();
}

bool PeIconReader::looksLikeProgram(QByteArrayView file)
{
    return file.startsWith("MZ");
}

void PeIconReader::parse()
{
    Parser parser(m_file);
    if (!parser.readHeaders())
        return;

    QHash<quint32, std::pair<quint64, quint32>> images;
    for (const DirectoryEntry& entry : parser.typeEntries(ResourceIcon)) {
        if (entry.named || images.contains(entry.id))
            continue;
        if (const auto data = parser.resourceData(entry))
            images.insert(entry.id, *data);
    }

    const Bytes& bytes = parser.bytes();
    for (const DirectoryEntry& entry : parser.typeEntries(ResourceGroupIcon)) {
        if (m_groups.size() == MaximumGroups)
            break;
        const auto data = parser.resourceData(entry);
        if (!data || data->second < GroupHeaderSize)
            continue;
        const auto [at, size] = *data;
        if (bytes.u16(at) != quint16(0) || bytes.u16(at + 2) != quint16(1))
            continue;
        const quint32 count =
            qMin<quint32>(*bytes.u16(at + 4), (size - GroupHeaderSize) / GroupEntrySize);
        QList<Image> group;
        for (quint32 i = 0; i < count && group.size() < MaximumImagesPerGroup; ++i) {
            const quint64 e = at + GroupHeaderSize + quint64(i) * GroupEntrySize;
            const auto image = images.constFind(*bytes.u16(e + 12));
            if (image == images.cend())
                continue;
            const int width = *bytes.u8(e);
            const int height = *bytes.u8(e + 1);
            group.push_back({width == 0 ? 256 : width, height == 0 ? 256 : height,
                             int(*bytes.u16(e + 6)), qsizetype(image->first),
                             qsizetype(image->second)});
        }
        if (!group.isEmpty())
            m_groups.push_back(group);
    }
}

QList<IconEntry> PeIconReader::group(qsizetype index) const
{
    QList<IconEntry> entries;
    if (index < 0 || index >= m_groups.size())
        return entries;
    for (const Image& image : m_groups.at(index))
        entries.push_back(
            {image.width, image.height, image.bitCount,
             QByteArray::fromRawData(m_file.constData() + image.offset, image.length)});
    return entries;
}

} // namespace dvk
