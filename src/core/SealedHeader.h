#pragma once

#include "SealKey.h"

#include <QByteArray>
#include <optional>

namespace dvk {

// The first 56 bytes of a sealed data file. The whole sealed form, little-endian:
//
//   offset  size  content
//        0     8  "DVKSEAL1"
//        8     4  u32 Argon2id operations limit (crypto_pwhash, ALG_ARGON2ID13)
//       12     4  u32 Argon2id memory limit in KiB
//       16    16  salt
//       32    24  crypto_secretstream_xchacha20poly1305 header
//       56     …  chunks: a u32 length L, then the L bytes that
//                 crypto_secretstream_xchacha20poly1305_push made of its plaintext
//
// The plaintext is exactly the plain form of the data file. Its first four bytes (the zero
// marker) are the first chunk on their own, so that the password can be checked by that chunk
// alone; every later chunk carries at most 65,536 plaintext bytes. The last chunk has TAG_FINAL,
// all others TAG_MESSAGE, and the additional data of every chunk is the 56 header bytes. The
// magic's first four bytes are neither 0 nor the encrypted form's marker, so the first four bytes
// still tell the three forms apart.
struct SealedHeader final
{
    static constexpr qsizetype Size = 56;
    static constexpr qsizetype StreamHeaderSize = 24;
    static constexpr qsizetype MarkerSize = 4;
    static constexpr qsizetype MaxChunkPlain = 65536;
    static constexpr qsizetype ChunkOverhead = 17; // crypto_secretstream ABYTES
    static constexpr quint32 MinOpsLimit = 1;
    static constexpr quint32 MaxOpsLimit = 10;
    static constexpr quint32 MinMemLimitKiB = 8192;
    static constexpr quint32 MaxMemLimitKiB = 1048576;

    quint32 opsLimit = SealKey::DefaultOpsLimit;
    quint32 memLimitKiB = SealKey::DefaultMemLimitKiB;
    SealKey::Salt salt{};
    std::array<unsigned char, StreamHeaderSize> streamHeader{};

    // Whether `firstBytes` start with the eight-byte magic.
    static bool hasPreamble(QByteArrayView firstBytes);
    // The header in `bytes` (at least Size of them); nullopt without the magic or with limits
    // outside the accepted ranges, which only a damaged file has.
    static std::optional<SealedHeader> parse(QByteArrayView bytes);
    QByteArray bytes() const;
};

} // namespace dvk
