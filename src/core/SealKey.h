#pragma once

#include <QByteArray>
#include <array>
#include <memory>

namespace dvk {

// The 32-byte key of a sealed data file, derived from the password with Argon2id and kept for
// the run in memory that libsodium locks and wipes when the key is destroyed. It remembers the
// salt and the two limits it was derived with, since every sealed save writes them.
class SealKey final
{
public:
    static constexpr int KeySize = 32;
    static constexpr int SaltSize = 16;
    static constexpr quint32 DefaultOpsLimit = 3;
    static constexpr quint32 DefaultMemLimitKiB = 65536;
    using Salt = std::array<unsigned char, SaltSize>;

    SealKey(const SealKey&) = delete;
    SealKey& operator=(const SealKey&) = delete;
    ~SealKey();

    // True when libsodium could be initialised; nothing sealed can be read or written otherwise.
    static bool cryptoAvailable();
    // Argon2id of the password's bytes with `salt` and the limits. The password bytes are wiped
    // in every case. Null when libsodium is unavailable or the derivation failed (out of memory).
    static std::unique_ptr<SealKey> derive(QByteArray& password, const Salt& salt, quint32 opsLimit,
                                           quint32 memLimitKiB);
    // The same with a new random salt and the default limits: the key for a new password.
    static std::unique_ptr<SealKey> deriveWithNewSalt(QByteArray& password);
    // A key given as it is, without derivation (fuzzing, benchmarks, tests). Null unless `key`
    // has KeySize bytes.
    static std::unique_ptr<SealKey> fromBytes(QByteArrayView key, const Salt& salt,
                                              quint32 opsLimit, quint32 memLimitKiB);

    // Overwrites the bytes of `bytes` with zeros and empties it.
    static void wipe(QByteArray& bytes);

    const unsigned char* bytes() const { return m_key; }
    const Salt& salt() const { return m_salt; }
    quint32 opsLimit() const { return m_opsLimit; }
    quint32 memLimitKiB() const { return m_memLimitKiB; }

private:
    SealKey(const Salt& salt, quint32 opsLimit, quint32 memLimitKiB);

    unsigned char* m_key = nullptr; // sodium_malloc'd, KeySize bytes
    Salt m_salt{};
    quint32 m_opsLimit;
    quint32 m_memLimitKiB;
};

} // namespace dvk
