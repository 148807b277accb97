#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <array>

namespace dvk {

// The traditional PKWARE stream cipher of the ZIP format: three 32-bit keys updated with CRC-32
// and a linear congruential step. Each object is one cipher stream; state carries over from call
// to call. It is carried here because no library offers the cipher as a stream.
class ZipCipher final
{
public:
    // A fresh stream with the standard start keys, then keyed with `keyMaterial`.
    explicit ZipCipher(QByteArrayView keyMaterial = {});

    void encrypt(char* data, qsizetype size);
    void decrypt(char* data, qsizetype size);

    // One step of the reflected CRC-32 (polynomial 0xEDB88320).
    static quint32 crc32Step(quint32 crc, quint8 byte)
    {
        return (crc >> 8) ^ table()[(crc ^ byte) & 0xFF];
    }
    // The CRC-32 of a whole buffer, as ZIP stores it.
    static quint32 crc32(QByteArrayView data);

    // The fixed key of the data file cipher, a GUID in its in-memory byte layout.
    static QByteArrayView fileKey();

private:
    // Encrypts or decrypts in place; the keys advance by the plain bytes.
    template <bool Encrypting> void crypt(char* data, qsizetype size);
    static const std::array<quint32, 256>& table();

    void update(quint8 plain)
    {
        m_key0 = crc32Step(m_key0, plain);
        m_key1 = (m_key1 + (m_key0 & 0xFF)) * 134775813u + 1;
        m_key2 = crc32Step(m_key2, quint8(m_key1 >> 24));
    }

    quint32 m_key0 = 0x12345678;
    quint32 m_key1 = 0x23456789;
    quint32 m_key2 = 0x34567890;
};

} // namespace dvk
