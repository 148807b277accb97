#include "DataStream.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace dvk {

void DataWriter::u32(quint32 value)
{
    const char bytes[4] = {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
    raw(bytes, 4);
}

void DataWriter::f64(double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = char(bits >> (8 * i));
    raw(bytes, 8);
}

void DataWriter::text(const QByteArray& bytes)
{
    const qsizetype n = bytes.size();
    if (n < 255) {
        const char b = char(n);
        raw(&b, 1);
    } else if (n < 0xFFFE) {
        const char prefix[3] = {char(0xFF), char(n), char(n >> 8)};
        raw(prefix, 3);
    } else {
        const char prefix[3] = {char(0xFF), char(0xFF), char(0xFF)};
        raw(prefix, 3);
        u32(quint32(n));
    }
    raw(bytes.constData(), n);
}

void DataWriter::raw(const char* data, qsizetype size)
{
    while (size > 0) {
        const qsizetype n = std::min(size, BufferSize - m_used);
        std::memcpy(m_buffer + m_used, data, size_t(n));
        m_used += n;
        data += n;
        size -= n;
        if (m_used == BufferSize)
            flush();
    }
}

void DataWriter::flush()
{
    if (m_used > 0 && m_device.write(m_buffer, m_used) != m_used)
        throw StreamError{m_device.errorString()};
    m_used = 0;
}

DataReader::DataReader(QIODevice& device)
    : m_device(device)
    , m_remaining(std::max<qint64>(0, device.size() - device.pos()))
{
}

void DataReader::fail() const
{
    throw StreamError{QStringLiteral("The data file ends too early or holds an impossible value.")};
}

void DataReader::refill()
{
    const qint64 want = std::min<qint64>(BufferSize, m_remaining);
    if (want <= 0)
        fail();
    const qint64 got = m_device.read(m_buffer, want);
    if (got <= 0)
        throw StreamError{got < 0 ? m_device.errorString()
                                  : QStringLiteral("The data file ends too early.")};
    m_pos = 0;
    m_end = qsizetype(got);
    m_remaining -= got;
}

void DataReader::raw(char* out, qsizetype size)
{
    if (size > remaining())
        fail();
    while (size > 0) {
        if (m_pos == m_end)
            refill();
        const qsizetype n = std::min(size, m_end - m_pos);
        std::memcpy(out, m_buffer + m_pos, size_t(n));
        m_pos += n;
        out += n;
        size -= n;
    }
}

quint32 DataReader::u32()
{
    unsigned char b[4];
    if (m_end - m_pos >= 4) {
        std::memcpy(b, m_buffer + m_pos, 4);
        m_pos += 4;
    } else {
        raw(reinterpret_cast<char*>(b), 4);
    }
    return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
}

double DataReader::f64()
{
    unsigned char b[8];
    raw(reinterpret_cast<char*>(b), 8);
    quint64 bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = bits << 8 | b[i];
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

qsizetype DataReader::lengthPrefix(bool* utf16)
{
    auto byte = [this] {
        char b;
        raw(&b, 1);
        return quint8(b);
    };
    auto word = [&byte] {
        const quint16 lo = byte();
        return quint16(lo | quint16(byte()) << 8);
    };
    *utf16 = false;
    quint8 b = byte();
    if (b < 0xFF)
        return b;
    quint16 w = word();
    if (w == 0xFFFE) {
        // The UTF-16 marker: a second complete prefix follows, counting 16-bit units.
        *utf16 = true;
        b = byte();
        if (b < 0xFF)
            return b;
        w = word();
    }
    if (w < 0xFFFF)
        return w;
    const quint32 n = u32();
    if (n > quint64(remaining()))
        fail();
    return qsizetype(n);
}

QByteArray DataReader::text()
{
    bool utf16 = false;
    const qsizetype n = lengthPrefix(&utf16);
    const qint64 bytes = utf16 ? qint64(n) * 2 : n;
    if (bytes > remaining())
        fail();
    QByteArray data(qsizetype(bytes), Qt::Uninitialized);
    raw(data.data(), data.size());
    if (!utf16)
        return data;
    QStringDecoder fromUtf16(QStringDecoder::Utf16LE);
    return QString(fromUtf16(data)).toLocal8Bit();
}

} // namespace dvk
