// Feeds arbitrary bytes to the data-file reader, in the plain form and through the cipher, as
// the program reads a file: nothing may crash, hang, leak or allocate beyond the input.
#include "CipherDevice.h"
#include "DataFile.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        dvk::DataStore store;
        dvk::DataFile::read(store, buffer);
    }
    {
        // The same bytes as the plain content of an encrypted file.
        QByteArray encrypted = bytes;
        dvk::ZipCipher(dvk::ZipCipher::fileKey()).encrypt(encrypted.data(), encrypted.size());
        QBuffer buffer(&encrypted);
        buffer.open(QIODevice::ReadOnly);
        dvk::CipherDevice cipher(&buffer, dvk::ZipCipher::fileKey());
        cipher.open(QIODevice::ReadOnly);
        dvk::DataStore store;
        if (dvk::DataFile::read(store, cipher).ok) {
            // What was read must write again without fault.
            QByteArray again;
            QBuffer out(&again);
            out.open(QIODevice::WriteOnly);
            if (!dvk::DataFile::write(store, out).ok)
                __builtin_trap();
        }
    }
    return 0;
}
