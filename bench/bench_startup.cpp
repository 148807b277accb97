// Times the real dvk program from process start, through its main window, to its end after a
// termination signal closed the window as "Close" does (which saves), with an empty store and
// with the 50 MB store. Prints figures; asserts nothing.
#include "BenchStore.h"
#include "DataFile.h"
#include "DataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <cstdio>

using namespace dvk;

namespace {

// Starts dvk, waits until it has claimed its single-instance socket (its signal handlers are in
// place then), asks it to end and waits for the end. Returns seconds from start to end.
double roundTrip()
{
    const QString socket = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                           + QStringLiteral("/DVK.socket");
    QFile::remove(socket);
    QProcess dvk;
    QElapsedTimer timer;
    timer.start();
    dvk.start(QStringLiteral(DVK_BINARY), {});
    dvk.waitForStarted();
    while (!QFileInfo::exists(socket) && dvk.state() == QProcess::Running)
        QThread::usleep(200);
    ::kill(pid_t(dvk.processId()), SIGTERM);
    dvk.waitForFinished(60000);
    return timer.nsecsElapsed() / 1e9;
}

double best(int runs)
{
    double b = 1e9;
    for (int i = 0; i < runs; ++i)
        b = std::min(b, roundTrip());
    return b;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QDir(DataPaths::userDataFolder()).removeRecursively();
    std::printf("empty store:  start -> main window -> close -> end  %.3f s\n", best(5));

    DataStore store;
    bench::fillRealisticStore(store);
    QElapsedTimer t;
    t.start();
    DataFile::saveFile(store, DataPaths::dataFilePath(), false);
    const double save = t.nsecsElapsed() / 1e9;
    t.restart();
    {
        DataStore loaded;
        DataFile::loadFile(loaded, DataPaths::dataFilePath());
    }
    const double load = t.nsecsElapsed() / 1e9;
    std::printf("50 MB store:  start -> main window -> close -> end  %.3f s (its load %.3f s + save %.3f s)\n",
                best(3), load, save);
    return 0;
}
