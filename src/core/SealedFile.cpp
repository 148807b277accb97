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

// Reads or writes the plain form with `body` through a sealing layer over `device`; a layer
// that cannot open, or whose finish() fails after a good body, makes the result a failure.
template <class Layer, class Body>
FileResult throughLayer(QIODevice& device, const SealKey* key, QIODevice::OpenMode mode,
                        const QString& missingKey, Body body)
{
    if (!key)
        return {false, missingKey, {}};
    Layer layer(&device, *key);
    if (!layer.open(mode))
        return {false, layer.errorString(), {}};
    FileResult result = body(layer);
    if (result.ok && !layer.finish())
        result = {false, layer.errorString(), {}};
    return result;
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
    return throughLayer<SealedReader>(
        device, key, QIODevice::ReadOnly,
        QStringLiteral("The sealed data file is damaged, or its password was not given."),
        [&store](QIODevice& plain) { return DataFile::read(store, plain); });
}

FileResult SealedFile::write(const DataStore& store, QIODevice& device, const SealKey* key)
{
    return throughLayer<SealedWriter>(
        device, key, QIODevice::WriteOnly,
        QStringLiteral("The data file cannot be sealed: the password's key is missing."),
        [&store](QIODevice& plain) { return DataFile::write(store, plain); });
}

} // namespace dvk
