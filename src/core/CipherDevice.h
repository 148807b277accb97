#pragma once

#include "ZipCipher.h"

#include <QIODevice>

namespace dvk {

// A thin QIODevice layer that passes everything through the ZIP stream cipher on its way to or
// from another device (a file, a QSaveFile, a buffer). Reading deciphers exactly the bytes the
// inner device returned; writing enciphers a copy and writes it completely. The whole transfer is
// one continuous cipher stream however the caller chunks it. It reports the inner device's size,
// since the cipher keeps every length.
class CipherDevice final : public QIODevice
{
    Q_OBJECT
public:
    // `inner` must already be open in the mode this device is opened with; it is not owned.
    CipherDevice(QIODevice* inner, QByteArrayView key);

    bool open(OpenMode mode) override;
    bool isSequential() const override { return true; }
    qint64 size() const override { return m_inner->size(); }
    qint64 bytesAvailable() const override
    {
        return m_inner->bytesAvailable() + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    QIODevice* m_inner;
    ZipCipher m_readCipher;
    ZipCipher m_writeCipher;
};

} // namespace dvk
