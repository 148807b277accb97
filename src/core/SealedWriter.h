#pragma once

#include "SealedHeader.h"

#include <QIODevice>
#include <sodium.h>

namespace dvk {

// A write-only QIODevice layer that seals everything written to it into the sealed form (see
// SealedHeader) on another device. Opening writes the header with a new stream header; finish()
// pushes the last chunk with TAG_FINAL and must be called, and succeed, for the output to be a
// complete sealed file.
class SealedWriter final : public QIODevice
{
    Q_OBJECT
public:
    // `inner` must be open for writing; neither it nor `key` is owned.
    SealedWriter(QIODevice* inner, const SealKey& key);
    ~SealedWriter() override;

    bool open(OpenMode mode) override;
    bool isSequential() const override { return true; }
    bool finish();

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool push(unsigned char tag);

    QIODevice* m_inner;
    const SealKey& m_key;
    QByteArray m_ad;
    crypto_secretstream_xchacha20poly1305_state m_state{};
    QByteArray m_plain; // the chunk being filled
    QByteArray m_sealed;
    bool m_markerPushed = false;
    bool m_finished = false;
};

} // namespace dvk
