#include "SealedWriter.h"

#include <QtEndian>
#include <algorithm>

namespace dvk {

bool SealedWriter::open(OpenMode mode)
{
    if (mode != WriteOnly || !m_inner->isWritable() || !SealKey::cryptoAvailable()) {
        setErrorString(QStringLiteral("The data file cannot be sealed."));
        return false;
    }
    SealedHeader header;
    header.opsLimit = m_key.opsLimit();
    header.memLimitKiB = m_key.memLimitKiB();
    header.salt = m_key.salt();
    crypto_secretstream_xchacha20poly1305_init_push(&m_state, header.streamHeader.data(),
                                                    m_key.bytes());
    m_ad = header.bytes();
    if (m_inner->write(m_ad) != m_ad.size()) {
        setErrorString(m_inner->errorString());
        return false;
    }
    m_plain.reserve(SealedHeader::MaxChunkPlain);
    m_sealed.resize(4 + SealedHeader::MaxChunkPlain + SealedHeader::ChunkOverhead);
    return QIODevice::open(mode | Unbuffered);
}

// A full chunk is pushed only when more bytes follow, so that the last one can carry TAG_FINAL.
qint64 SealedWriter::writeData(const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const qsizetype capacity =
            m_markerPushed ? SealedHeader::MaxChunkPlain : SealedHeader::MarkerSize;
        if (m_plain.size() == capacity) {
            if (!push(crypto_secretstream_xchacha20poly1305_TAG_MESSAGE))
                return -1;
            m_markerPushed = true;
            continue;
        }
        const qsizetype n = qsizetype(std::min<qint64>(size - done, capacity - m_plain.size()));
        m_plain.append(data + done, n);
        done += n;
    }
    return size;
}

bool SealedWriter::push(unsigned char tag)
{
    auto* const out = reinterpret_cast<unsigned char*>(m_sealed.data());
    unsigned long long length = 0;
    crypto_secretstream_xchacha20poly1305_push(
        &m_state, out + 4, &length, reinterpret_cast<const unsigned char*>(m_plain.constData()),
        static_cast<unsigned long long>(m_plain.size()),
        reinterpret_cast<const unsigned char*>(m_ad.constData()),
        static_cast<unsigned long long>(m_ad.size()), tag);
    qToLittleEndian(quint32(length), out);
    sodium_memzero(m_plain.data(), size_t(m_plain.size()));
    m_plain.resize(0);
    const qint64 total = qint64(length) + 4;
    if (m_inner->write(m_sealed.constData(), total) != total) {
        setErrorString(m_inner->errorString());
        return false;
    }
    return true;
}

bool SealedWriter::finish()
{
    if (!isOpen() || m_finished)
        return false;
    m_finished = push(crypto_secretstream_xchacha20poly1305_TAG_FINAL);
    return m_finished;
}

} // namespace dvk
