// Sealed save and load of the bench store, the key derivation, and libsodium's raw
// crypto_secretstream push and pull throughput measured in the same run, with the memory used
// while loading. Prints figures; asserts nothing.
#include "BenchStore.h"
#include "BenchTiming.h"
#include "DataFile.h"
#include "DataStore.h"
#include "SealKey.h"
#include "SealedFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <malloc.h>
#include <sodium.h>

using namespace dvk;
using namespace dvk::bench;

namespace {

// Pushes and then pulls `total` bytes in 64 KiB chunks with the 56-byte additional data, as the
// sealed form does, straight from and into memory.
std::pair<double, double> rawStreamSeconds(qsizetype total)
{
    constexpr qsizetype Chunk = 65536;
    const qsizetype chunks = total / Chunk;
    unsigned char key[crypto_secretstream_xchacha20poly1305_KEYBYTES];
    crypto_secretstream_xchacha20poly1305_keygen(key);
    unsigned char header[crypto_secretstream_xchacha20poly1305_HEADERBYTES];
    const QByteArray ad(56, 'a');
    const auto* const adp = reinterpret_cast<const unsigned char*>(ad.constData());
    QByteArray plain(Chunk, 'p');
    QByteArray sealed(chunks * (Chunk + 17), '\0');
    auto* const out = reinterpret_cast<unsigned char*>(sealed.data());
    crypto_secretstream_xchacha20poly1305_state state;
    const double push = bestSeconds(3, [&] {
        crypto_secretstream_xchacha20poly1305_init_push(&state, header, key);
        for (qsizetype i = 0; i < chunks; ++i)
            crypto_secretstream_xchacha20poly1305_push(
                &state, out + i * (Chunk + 17), nullptr,
                reinterpret_cast<const unsigned char*>(plain.constData()), Chunk, adp, 56,
                i + 1 == chunks ? crypto_secretstream_xchacha20poly1305_TAG_FINAL : 0);
    });
    int failures = 0;
    const double pull = bestSeconds(3, [&] {
        crypto_secretstream_xchacha20poly1305_init_pull(&state, header, key);
        for (qsizetype i = 0; i < chunks; ++i)
            failures += crypto_secretstream_xchacha20poly1305_pull(
                &state, reinterpret_cast<unsigned char*>(plain.data()), nullptr, nullptr,
                out + i * (Chunk + 17), Chunk + 17, adp, 56);
    });
    if (failures != 0)
        std::printf("raw pull FAILED %d times\n", failures);
    return {push, pull};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (!SealKey::cryptoAvailable()) {
        std::printf("libsodium could not be initialised\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sealed.dat"));

    std::unique_ptr<SealKey> key;
    double mb = 0;
    {
        DataStore store;
        bench::fillRealisticStore(store);
        QElapsedTimer derivation;
        derivation.start();
        store.setPassword("a bench password"); // derives the sealing key
        std::printf("key derivation (Argon2id, 3 ops, 64 MiB): %6.3f s\n",
                    derivation.nsecsElapsed() / 1e9);
        const double save = bestSeconds(3, [&] { DataFile::saveFile(store, path, true); });
        mb = QFileInfo(path).size() / 1e6;
        std::printf("sealed file: %.1f MB\n", mb);
        std::printf("save sealed:     %6.3f s  %7.1f MB/s\n", save, mb / save);
        const SealKey& k = *store.sealKey();
        key = SealKey::fromBytes(QByteArrayView(k.bytes(), SealKey::KeySize), k.salt(),
                                 k.opsLimit(), k.memLimitKiB());
    }
    malloc_trim(0);

    const auto [push, pull] = rawStreamSeconds(64 << 20);
    std::printf("raw secretstream push:     %7.1f MB/s\n", (64 << 20) / 1e6 / push);
    std::printf("raw secretstream pull:     %7.1f MB/s\n", (64 << 20) / 1e6 / pull);
    malloc_trim(0);

    bool ok = true;
    const double load = bestSeconds(3, [&] {
        DataStore store;
        store.setSealKey(SealKey::fromBytes(QByteArrayView(key->bytes(), SealKey::KeySize),
                                            key->salt(), key->opsLimit(), key->memLimitKiB()));
        ok = DataFile::loadFile(store, path).ok && ok;
    });
    std::printf("load sealed (%s): %6.3f s  %7.1f MB/s\n", ok ? "ok" : "FAILED", load, mb / load);

    malloc_trim(0);
    const qint64 before = statusKiB("VmRSS:");
    resetPeak();
    {
        DataStore store;
        store.setSealKey(std::move(key));
        const FileResult r = DataFile::loadFile(store, path);
        const qint64 after = statusKiB("VmRSS:");
        const qint64 peak = statusKiB("VmHWM:");
        std::printf("memory while loading (sealed, %s): store %.1f MB, peak above the loaded store "
                    "%.1f MB\n",
                    r.ok ? "ok" : "FAILED", (after - before) / 1024.0, (peak - after) / 1024.0);
    }
    return 0;
}
