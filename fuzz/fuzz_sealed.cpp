// Feeds arbitrary bytes to the sealed-file reader with a fixed key (no password derivation):
// once as a sealed file as it is, once as the plaintext of a file sealed here. Nothing may crash,
// hang or allocate beyond the input, and a sealed plaintext must read exactly as the plain form.
#include "DataFile.h"
#include "SealedFile.h"

#include <QBuffer>
#include <cstdint>

namespace {

const dvk::SealKey& fixedKey()
{
    static const auto key =
        dvk::SealKey::fromBytes(QByteArray(32, '\x2a'), dvk::SealKey::Salt{}, 3, 65536);
    return *key;
}

dvk::FileResult readSealed(QByteArray bytes, dvk::DataStore& store)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return dvk::SealedFile::read(store, buffer, &fixedKey());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        dvk::DataStore store;
        readSealed(bytes, store);
    }
    dvk::DataStore plain;
    QBuffer plainBuffer(&bytes);
    plainBuffer.open(QIODevice::ReadOnly);
    const bool plainOk = dvk::DataFile::read(plain, plainBuffer).ok;
    if (!plainOk)
        return 0;
    // What the plain reader accepted is sealed and must unseal to the same records.
    QByteArray sealedBytes;
    QByteArray written;
    {
        QBuffer out(&sealedBytes);
        out.open(QIODevice::WriteOnly);
        QBuffer again(&written);
        again.open(QIODevice::WriteOnly);
        if (!dvk::SealedFile::write(plain, out, &fixedKey()).ok ||
            !dvk::DataFile::write(plain, again).ok)
            __builtin_trap();
    }
    dvk::DataStore back;
    QByteArray rewritten;
    QBuffer again(&rewritten);
    again.open(QIODevice::WriteOnly);
    if (!readSealed(sealedBytes, back).ok || !dvk::DataFile::write(back, again).ok ||
        rewritten != written)
        __builtin_trap();
    return 0;
}
