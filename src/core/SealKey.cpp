#include "SealKey.h"

#include <sodium.h>

namespace dvk {

SealKey::SealKey(const Salt& salt, quint32 opsLimit, quint32 memLimitKiB)
    : m_key(static_cast<unsigned char*>(sodium_malloc(KeySize)))
    , m_salt(salt)
    , m_opsLimit(opsLimit)
    , m_memLimitKiB(memLimitKiB)
{}

SealKey::~SealKey()
{
    sodium_free(m_key); // wipes the bytes before freeing them
}

bool SealKey::cryptoAvailable()
{
    return sodium_init() >= 0;
}

std::unique_ptr<SealKey> SealKey::derive(QByteArray& password, const Salt& salt, quint32 opsLimit,
                                         quint32 memLimitKiB)
{
    std::unique_ptr<SealKey> key;
    if (cryptoAvailable()) {
        key.reset(new SealKey(salt, opsLimit, memLimitKiB));
        if (!key->m_key ||
            crypto_pwhash(key->m_key, KeySize, password.constData(),
                          static_cast<unsigned long long>(password.size()), salt.data(), opsLimit,
                          size_t(memLimitKiB) * 1024, crypto_pwhash_ALG_ARGON2ID13) != 0)
            key.reset();
    }
    wipe(password);
    return key;
}

std::unique_ptr<SealKey> SealKey::deriveWithNewSalt(QByteArray& password)
{
    Salt salt{};
    if (cryptoAvailable())
        randombytes_buf(salt.data(), salt.size());
    return derive(password, salt, DefaultOpsLimit, DefaultMemLimitKiB);
}

std::unique_ptr<SealKey> SealKey::fromBytes(QByteArrayView key, const Salt& salt, quint32 opsLimit,
                                            quint32 memLimitKiB)
{
    if (key.size() != KeySize || !cryptoAvailable())
        return {};
    std::unique_ptr<SealKey> out(new SealKey(salt, opsLimit, memLimitKiB));
    if (!out->m_key)
        return {};
    std::copy(key.begin(), key.end(), out->m_key);
    return out;
}

void SealKey::wipe(QByteArray& bytes)
{
    if (!bytes.isEmpty() && !bytes.isDetached()) {
        // Shared with another copy: that copy is not ours to wipe.
        bytes.clear();
        return;
    }
    if (!bytes.isEmpty())
        sodium_memzero(bytes.data(), size_t(bytes.size()));
    bytes.clear();
}

} // namespace dvk
