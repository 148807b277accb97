#pragma once

#include <QByteArray>
#include <QIODevice>
#include <sodium.h>

namespace dvk {

class SealKey;

// What the sealing and the unsealing device layers share: the device they write or read, the
// key, the libsodium stream state and the chunk in hand, sealed and plain. The state and the
// plaintext are wiped when the layer goes away.
class SealedStream : public QIODevice
{
    Q_OBJECT

public:
    ~SealedStream() override;

    bool isSequential() const override { return true; }

protected:
    // Neither `inner` nor `key` is owned.
    SealedStream(QIODevice* inner, const SealKey& key);

    QIODevice* m_inner;
    const SealKey& m_key;
    QByteArray m_ad;
    crypto_secretstream_xchacha20poly1305_state m_state{};
    QByteArray m_sealed;
    QByteArray m_plain;
};

} // namespace dvk
