#include "ZipCipher.h"

namespace dvk {

ZipCipher::ZipCipher(QByteArrayView keyMaterial)
{
    for (const char c : keyMaterial)
        update(quint8(c));
}

const std::array<quint32, 256>& ZipCipher::table()
{
    static const std::array<quint32, 256> crcTable = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return crcTable;
}

quint32 ZipCipher::crc32(QByteArrayView data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : data)
        crc = crc32Step(crc, quint8(c));
    return ~crc;
}

// The key chain is byte-serial: every byte's keystream depends on all plaintext before it, so the
// loop below is the whole cost of the cipher. Keys live in locals for the compiler's sake.
template <bool Encrypting> void ZipCipher::crypt(char* data, qsizetype size)
{
    const auto& t = table();
    quint32 k0 = m_key0, k1 = m_key1, k2 = m_key2;
    for (qsizetype i = 0; i < size; ++i) {
        const quint32 s = (k2 & 0xFFFF) | 2;
        const quint8 stream = quint8((s * (s ^ 1)) >> 8);
        const quint8 plain = Encrypting ? quint8(data[i]) : quint8(data[i]) ^ stream;
        data[i] = char(Encrypting ? plain ^ stream : plain);
        k0 = (k0 >> 8) ^ t[(k0 ^ plain) & 0xFF];
        k1 = (k1 + (k0 & 0xFF)) * 134775813u + 1;
        k2 = (k2 >> 8) ^ t[(k2 ^ (k1 >> 24)) & 0xFF];
    }
    m_key0 = k0;
    m_key1 = k1;
    m_key2 = k2;
}

void ZipCipher::encrypt(char* data, qsizetype size)
{
    crypt<true>(data, size);
}

void ZipCipher::decrypt(char* data, qsizetype size)
{
    crypt<false>(data, size);
}

QByteArrayView ZipCipher::fileKey()
{
    static const char key[] = "\x31\x7a\x0b\x5e\x24\x9c\x8f\x4d\xa1\xb6\x3f\x72\xc0\xd9\xe8\x45";
    return QByteArrayView(key, 16);
}

} // namespace dvk
