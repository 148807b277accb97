// Saving as the user works, at 50 KB, 5 MB and 50 MB: how long a save holds the user-interface
// thread (serialising the store and handing it to the worker), the time from the change to the
// renamed file, how long the change-detection fingerprint takes on the UI thread, and what the
// hourly history copy costs. Prints figures; asserts nothing.
#include "AutoSaver.h"
#include "BenchStore.h"
#include "BenchTiming.h"
#include "DataPaths.h"
#include "HistoryKeeper.h"
#include "SettingsStore.h"
#include "StoreFingerprint.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <sys/stat.h>

using namespace dvk;
using namespace dvk::bench;

namespace {

struct Cycle
{
    double uiMs = 1e12;    // saveNow() on the UI thread: serialise and hand over
    double totalMs = 1e12; // from the change to the renamed, synced file
};

// Waits for the saver's next `saved` signal; false after a minute without one.
bool waitForSaved(AutoSaver& saver)
{
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&saver, &AutoSaver::saved, &loop, &QEventLoop::quit);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
    timeout.start(60'000);
    return loop.exec() == 0;
}

// Best of `runs` change-to-saved cycles. The debounce (AutoSaver::QuietMs) is left out: the save
// is started at once, as the debounce timer would start it.
Cycle measureCycles(DataStore& store, AutoSaver& saver, int runs)
{
    Cycle best;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer total;
        total.start();
        store.notes.add()->text = "one more note";
        QElapsedTimer ui;
        ui.start();
        saver.saveNow();
        best.uiMs = std::min(best.uiMs, ui.nsecsElapsed() / 1e6);
        if (!waitForSaved(saver)) {
            std::printf("  no save within a minute\n");
            return best;
        }
        best.totalMs = std::min(best.totalMs, total.nsecsElapsed() / 1e6);
    }
    return best;
}

void measure(const char* label, double scale, bool encrypted)
{
    QTemporaryDir dir;
    DataPaths::setFolderForThisRun(dir.path());
    SettingsStore().writeNumber(SettingsStore::EncryptDVKFile, encrypted ? 1 : 0);
    DataStore store;
    fillRealisticStore(store, scale);
    store.saveDirectly();
    const qint64 bytes = QFileInfo(DataPaths::dataFilePath()).size();

    AutoSaver saver(store);
    saver.start();
    const int runs = scale >= 1.0 ? 3 : 10;
    const Cycle cycle = measureCycles(store, saver, runs);
    const double fingerprint = bestMilliseconds(runs, [&store] { (void)StoreFingerprint::of(store); });
    std::printf("%-6s %-9s %9.1f KB  UI thread %8.2f ms  change to renamed file %8.1f ms"
                "  fingerprint %7.2f ms\n",
                label, encrypted ? "encrypted" : "plain", bytes / 1024.0, cycle.uiMs,
                cycle.totalMs, fingerprint);
}

// The history copy taken before the first save of an hour: a hard link, whatever the size.
void measureHistoryCopy()
{
    QTemporaryDir dir;
    DataPaths::setFolderForThisRun(dir.path());
    SettingsStore().writeNumber(SettingsStore::EncryptDVKFile, 0);
    DataStore store;
    fillRealisticStore(store, 1.0);
    store.saveDirectly();
    const QString file = DataPaths::dataFilePath();
    QDateTime hour = QDateTime::currentDateTime();
    double best = 1e12;
    QString copy;
    for (int i = 0; i < 5; ++i) {
        hour = hour.addSecs(3600);
        QElapsedTimer t;
        t.start();
        copy = HistoryKeeper::keepBeforeReplace(file, hour);
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    struct stat original{};
    struct stat kept{};
    const bool linked = stat(file.toLocal8Bit().constData(), &original) == 0 &&
                        stat(copy.toLocal8Bit().constData(), &kept) == 0 &&
                        original.st_ino == kept.st_ino;
    std::printf("history copy of a %.1f MB file: %.3f ms (%s, %lu links to the data file)\n",
                QFileInfo(file).size() / 1048576.0, best,
                linked ? "a hard link, no bytes copied" : "NOT a hard link",
                static_cast<unsigned long>(original.st_nlink));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    measure("50 KB", 0.001, false);
    measure("50 KB", 0.001, true);
    measure("5 MB", 0.1, false);
    measure("5 MB", 0.1, true);
    measure("50 MB", 1.0, false);
    measure("50 MB", 1.0, true);
    measureHistoryCopy();
    return 0;
}
