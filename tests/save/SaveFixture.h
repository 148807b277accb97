#pragma once

#include "AutoSaver.h"
#include "DataFile.h"
#include "DataPaths.h"
#include "StoreFingerprint.h"

#include <QDir>
#include <QSignalSpy>
#include <memory>

namespace dvk::test {

// A data folder of its own with a saved store and a saver watching it, as DVK runs.
struct SaveFixture
{
    SaveFixture()
    {
        QDir(DataPaths::userDataFolder()).removeRecursively();
        path = DataPaths::dataFilePath();
    }
    // Saves the store as loaded and starts saving as you go.
    void start()
    {
        store.saveDirectly();
        saver = std::make_unique<AutoSaver>(store);
        saved = std::make_unique<QSignalSpy>(saver.get(), &AutoSaver::saved);
        saver->start();
    }
    // Whether the file on disk reads back as the store is now.
    bool fileHoldsStore() const
    {
        DataStore back;
        return DataFile::loadFile(back, path).ok &&
               StoreFingerprint::of(back) == StoreFingerprint::of(store);
    }

    QString path;
    DataStore store;
    std::unique_ptr<AutoSaver> saver;
    std::unique_ptr<QSignalSpy> saved;
};

} // namespace dvk::test
