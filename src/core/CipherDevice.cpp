#include "CipherDevice.h"

#include <algorithm>

namespace dvk {

CipherDevice::CipherDevice(QIODevice* inner, QByteArrayView key)
    : m_inner(inner)
    , m_readCipher(key)
    , m_writeCipher(key)
{
}

bool CipherDevice::open(OpenMode mode)
{
    if (!m_inner->isOpen() || (mode & ReadOnly && !m_inner->isReadable())
        || (mode & WriteOnly && !m_inner->isWritable())) {
        setErrorString(QStringLiteral("The underlying file is not open."));
        return false;
    }
    // The callers buffer on their own; a second buffer here would only copy the bytes again.
    return QIODevice::open(mode | Unbuffered);
}

qint64 CipherDevice::readData(char* data, qint64 maxSize)
{
    const qint64 n = m_inner->read(data, maxSize);
    if (n > 0)
        m_readCipher.decrypt(data, n);
    else if (n < 0)
        setErrorString(m_inner->errorString());
    return n;
}

qint64 CipherDevice::writeData(const char* data, qint64 size)
{
    char chunk[4096];
    qint64 done = 0;
    while (done < size) {
        const qint64 n = std::min<qint64>(size - done, qint64(sizeof chunk));
        std::copy_n(data + done, n, chunk);
        m_writeCipher.encrypt(chunk, n);
        if (m_inner->write(chunk, n) != n) {
            setErrorString(m_inner->errorString());
            return -1;
        }
        done += n;
    }
    return size;
}

} // namespace dvk
