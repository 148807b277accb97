#include "SealedReader.h"

#include <QtEndian>
#include <cstring>

namespace dvk {

const QString SealedReader::DamagedMessage =
    QStringLiteral("The data file is damaged: its sealed content does not authenticate.");

bool SealedReader::open(OpenMode mode)
{
    if (mode != ReadOnly || !m_inner->isReadable() || !SealKey::cryptoAvailable()) {
        setErrorString(QStringLiteral("The sealed data file cannot be opened."));
        return false;
    }
    m_ad.resize(SealedHeader::Size);
    const std::optional<SealedHeader> header =
        readExactly(m_ad.data(), m_ad.size()) ? SealedHeader::parse(m_ad) : std::nullopt;
    if (!header || crypto_secretstream_xchacha20poly1305_init_pull(
                       &m_state, header->streamHeader.data(), m_key.bytes()) != 0) {
        setErrorString(DamagedMessage);
        return false;
    }
    m_sealed.resize(SealedHeader::MaxChunkPlain + SealedHeader::ChunkOverhead);
    m_plain.resize(SealedHeader::MaxChunkPlain);
    m_plain.resize(0);
    return QIODevice::open(mode | Unbuffered);
}

bool SealedReader::readExactly(char* data, qint64 size)
{
    while (size > 0) {
        const qint64 n = m_inner->read(data, size);
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

bool SealedReader::fail()
{
    m_failed = true;
    m_plain.resize(0);
    m_used = 0;
    setErrorString(DamagedMessage);
    return false;
}

bool SealedReader::nextChunk()
{
    if (m_failed || m_final)
        return false;
    char prefix[4];
    if (!readExactly(prefix, 4))
        return fail(); // the input ended before the final chunk
    const quint32 length = qFromLittleEndian<quint32>(prefix);
    const quint32 expectedFirst = SealedHeader::MarkerSize + SealedHeader::ChunkOverhead;
    if (length < SealedHeader::ChunkOverhead ||
        length > SealedHeader::MaxChunkPlain + SealedHeader::ChunkOverhead ||
        (m_chunks == 0 && length != expectedFirst) || !readExactly(m_sealed.data(), length))
        return fail();
    m_plain.resize(qsizetype(length - SealedHeader::ChunkOverhead));
    unsigned long long plainLength = 0;
    unsigned char tag = 0;
    if (crypto_secretstream_xchacha20poly1305_pull(
            &m_state, reinterpret_cast<unsigned char*>(m_plain.data()), &plainLength, &tag,
            reinterpret_cast<const unsigned char*>(m_sealed.constData()), length,
            reinterpret_cast<const unsigned char*>(m_ad.constData()),
            static_cast<unsigned long long>(m_ad.size())) != 0 ||
        (tag != crypto_secretstream_xchacha20poly1305_TAG_MESSAGE &&
         tag != crypto_secretstream_xchacha20poly1305_TAG_FINAL)) {
        return fail();
    }
    ++m_chunks;
    m_used = 0;
    m_final = tag == crypto_secretstream_xchacha20poly1305_TAG_FINAL;
    return true;
}

qint64 SealedReader::readData(char* data, qint64 maxSize)
{
    if (m_failed)
        return -1;
    qint64 done = 0;
    while (done < maxSize) {
        if (m_used == m_plain.size()) {
            if (m_final)
                break;
            if (!nextChunk())
                return done > 0 ? done : -1;
            continue;
        }
        const qint64 n = std::min<qint64>(maxSize - done, m_plain.size() - m_used);
        std::memcpy(data + done, m_plain.constData() + m_used, size_t(n));
        m_used += qsizetype(n);
        done += n;
    }
    return done;
}

bool SealedReader::finish()
{
    while (!m_final) {
        if (!nextChunk())
            return false;
    }
    char extra;
    if (m_failed || m_inner->read(&extra, 1) != 0)
        return fail();
    return true;
}

} // namespace dvk
