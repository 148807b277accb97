#include "SealedFile.h"

#include "DataFile.h"
#include "SealedReader.h"
#include "SealedWriter.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

namespace dvk {
namespace {

constexpr qsizetype FirstChunkSize =
    4 + SealedHeader::MarkerSize + SealedHeader::ChunkOverhead; // with its length prefix

QByteArray firstBytes(const QString& path, qsizetype count)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(count) : QByteArray();
}

} // namespace

SealedFile::Kind SealedFile::kindOf(const QString& path)
{
    const QByteArray head = firstBytes(path, SealedHeader::Size + FirstChunkSize);
    if (!SealedHeader::hasPreamble(head))
        return Kind::NotSealed;
    if (head.size() < SealedHeader::Size + FirstChunkSize || !SealedHeader::parse(head) ||
        qFromLittleEndian<quint32>(head.constData() + SealedHeader::Size) !=
            quint32(FirstChunkSize - 4))
        return Kind::Damaged;
    return Kind::Sealed;
}

std::unique_ptr<SealKey> SealedFile::unlock(const QString& path, QByteArray& password)
{
    QByteArray head = firstBytes(path, SealedHeader::Size + FirstChunkSize);
    const std::optional<SealedHeader> header = SealedHeader::parse(head);
    if (!header || head.size() < SealedHeader::Size + FirstChunkSize) {
        SealKey::wipe(password);
        return {};
    }
    std::unique_ptr<SealKey> key =
        SealKey::derive(password, header->salt, header->opsLimit, header->memLimitKiB);
    if (!key)
        return {};
    // Only the first chunk is there, so the reader fails after the marker when the key is right
    // and at the marker when it is wrong.
    QBuffer buffer(&head);
    buffer.open(QIODevice::ReadOnly);
    SealedReader reader(&buffer, *key);
    char marker[SealedHeader::MarkerSize];
    if (!reader.open(QIODevice::ReadOnly) || reader.read(marker, sizeof marker) != sizeof marker)
        return {};
    return key;
}

FileResult SealedFile::read(DataStore& store, QIODevice& device, const SealKey* key)
{
    if (!key)
        return {false,
                QStringLiteral("The sealed data file is damaged, or its password was not given."),
                {}};
    SealedReader reader(&device, *key);
    if (!reader.open(QIODevice::ReadOnly))
        return {false, reader.errorString(), {}};
    FileResult result = DataFile::read(store, reader);
    if (result.ok && !reader.finish())
        result = {false, reader.errorString(), {}};
    return result;
}

FileResult SealedFile::write(const DataStore& store, QIODevice& device, const SealKey* key)
{
    if (!key)
        return {false,
                QStringLiteral("The data file cannot be sealed: the password's key is missing."),
                {}};
    SealedWriter writer(&device, *key);
    if (!writer.open(QIODevice::WriteOnly))
        return {false, writer.errorString(), {}};
    FileResult result = DataFile::write(store, writer);
    if (result.ok && !writer.finish())
        result = {false, writer.errorString(), {}};
    return result;
}

} // namespace dvk
