// Saves two stores in turn through the saver as DVK does, printing "saved" after each, until it
// is killed. The crash test kills it at random moments and checks what is left on disk.
#include "AutoSaver.h"
#include "CrashStores.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    dvk::DataStore store;
    bool second = false;
    dvk::test::fillCrashStore(store, second);
    dvk::AutoSaver saver(store);
    saver.start();
    QObject::connect(&saver, &dvk::AutoSaver::saved, &saver, [&] {
        std::fputs("saved\n", stdout);
        std::fflush(stdout);
        second = !second;
        dvk::test::fillCrashStore(store, second);
        saver.saveNow();
    });
    saver.saveNow();
    return app.exec();
}
