// Save and load times of the data file in both forms, the raw cipher throughput measured in the
// same run, and the memory used while loading. Prints figures; asserts nothing.
#include "BenchStore.h"
#include "BenchTiming.h"
#include "DataFile.h"
#include "ZipCipher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <malloc.h>

using namespace dvk;
using namespace dvk::bench;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString plainPath = dir.filePath(QStringLiteral("plain.dat"));
    const QString encryptedPath = dir.filePath(QStringLiteral("encrypted.dat"));

    double mb = 0;
    {
        DataStore store;
        bench::fillRealisticStore(store);
        const double savePlain = bestSeconds(3, [&] { DataFile::saveFile(store, plainPath, false); });
        const double saveEncrypted = bestSeconds(3, [&] { DataFile::saveFile(store, encryptedPath, true); });
        mb = QFileInfo(plainPath).size() / 1e6;
        std::printf("store: %.1f MB on disk (%lld items, %lld categories, %lld memos, %lld notes)\n",
                    mb, qlonglong(store.archiveItems.count()), qlonglong(store.purseCategories.count()),
                    qlonglong(store.memos.count()), qlonglong(store.notes.count()));
        std::printf("save plain:      %6.3f s  %7.1f MB/s\n", savePlain, mb / savePlain);
        std::printf("save encrypted:  %6.3f s  %7.1f MB/s\n", saveEncrypted, mb / saveEncrypted);
    }
    malloc_trim(0);

    QByteArray buffer(64 << 20, 'x');
    const double cipher = bestSeconds(3, [&] {
        ZipCipher c(ZipCipher::fileKey());
        c.encrypt(buffer.data(), buffer.size());
    });
    const double decipher = bestSeconds(3, [&] {
        ZipCipher c(ZipCipher::fileKey());
        c.decrypt(buffer.data(), buffer.size());
    });
    // Enciphering can run ahead on the known plaintext; deciphering needs each plaintext byte
    // before the next key step, so its whole key chain is serial.
    std::printf("raw cipher, encipher:      %7.1f MB/s\n", buffer.size() / 1e6 / cipher);
    std::printf("raw cipher, decipher:      %7.1f MB/s\n", buffer.size() / 1e6 / decipher);
    buffer = QByteArray();
    malloc_trim(0);

    for (const auto& [name, path] : {std::pair{"plain", plainPath}, std::pair{"encrypted", encryptedPath}}) {
        const double seconds = bestSeconds(3, [&] {
            DataStore store;
            DataFile::loadFile(store, path);
        });
        std::printf("load %-10s  %6.3f s  %7.1f MB/s\n", name, seconds, mb / seconds);
    }

    malloc_trim(0);
    const qint64 before = statusKiB("VmRSS:");
    resetPeak();
    {
        DataStore store;
        const FileResult r = DataFile::loadFile(store, encryptedPath);
        const qint64 after = statusKiB("VmRSS:");
        const qint64 peak = statusKiB("VmHWM:");
        std::printf("memory while loading (encrypted, %s): store %.1f MB, peak above the loaded store %.1f MB\n",
                    r.ok ? "ok" : "FAILED", (after - before) / 1024.0, (peak - after) / 1024.0);
    }
    return 0;
}
