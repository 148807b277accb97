#pragma once

#include "Records.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <initializer_list>

namespace dvk {

// A failure inside DataWriter or DataReader; caught where the file is written or read.
struct StreamError
{
    QString message;
};

// Writes little-endian numbers and length-prefixed texts to a device through a 4096-byte buffer.
class DataWriter final
{
public:
    explicit DataWriter(QIODevice& device) : m_device(device) {}
    DataWriter(const DataWriter&) = delete;
    DataWriter& operator=(const DataWriter&) = delete;

    void u32(quint32 value);
    void u32(qint32 value) { u32(quint32(value)); }
    void u32s(std::initializer_list<qint32> values)
    {
        for (const qint32 value : values)
            u32(value);
    }
    void f64(double value);
    // A length prefix (1, 3 or 7 bytes) and the bytes, without terminator.
    void text(const QByteArray& bytes);
    void raw(const char* data, qsizetype size);
    void flush();

    // A u32 count and the records, each written by `writeOne`.
    template <class T, class WriteOne> void list(const RecordList<T>& records, WriteOne writeOne)
    {
        u32(quint32(records.count()));
        for (const T* record : records)
            writeOne(*this, *record);
    }

private:
    static constexpr qsizetype BufferSize = 4096;
    QIODevice& m_device;
    qsizetype m_used = 0;
    char m_buffer[BufferSize];
};

// Reads what DataWriter writes, through a 4096-byte buffer, throwing StreamError at the end of
// the input or on a length that the input cannot hold.
class DataReader final
{
public:
    explicit DataReader(QIODevice& device);
    DataReader(const DataReader&) = delete;
    DataReader& operator=(const DataReader&) = delete;

    quint32 u32();
    qint32 i32() { return qint32(u32()); }
    void i32s(std::initializer_list<qint32*> targets)
    {
        for (qint32* target : targets)
            *target = i32();
    }
    double f64();
    // Also reads the UTF-16 form (prefix FF FE FF, then a length in 16-bit units) and converts it
    // to the locale's 8-bit encoding.
    QByteArray text();
    void raw(char* out, qsizetype size);
    // Bytes of the input not yet consumed.
    qint64 remaining() const { return m_remaining + (m_end - m_pos); }

    // Reads a u32 count and that many records, each constructed blank, filled by
    // `readOne` and appended only once it was read completely. A record takes at least one byte,
    // so an absurd count ends at the end of the input, not in a long loop.
    template <class T, class ReadOne>
    void list(RecordList<T>& records, ReadOne readOne)
    {
        const quint32 count = u32();
        for (quint32 i = 0; i < count; ++i) {
            if (remaining() == 0)
                fail();
            auto record = records.makeUnfilledRecord(Unfilled{});
            readOne(*this, *record);
            records.append(std::move(record));
        }
    }

private:
    [[noreturn]] void fail() const;
    void refill();
    qsizetype lengthPrefix(bool* utf16);

    static constexpr qsizetype BufferSize = 4096;
    QIODevice& m_device;
    qint64 m_remaining; // bytes of the device not yet in the buffer
    qsizetype m_pos = 0;
    qsizetype m_end = 0;
    char m_buffer[BufferSize];
};

} // namespace dvk
