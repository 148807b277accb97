#pragma once

#include "DataStore.h"
#include "SealedFile.h"
#include "Startup.h"

#include <QStringList>
#include <functional>

namespace dvk::test {

using namespace Qt::StringLiterals;

// Start-up's dialogs with scripted answers; records which steps ran. The passwords are typed in
// turn: the first for a protected file, up to two for a sealed one. As the program does, the
// password of a protected file becomes the sealing key.
class FakeStartupSteps final : public StartupSteps
{
public:
    bool continueAfterDataFileError(const FileResult&) override
    {
        calls << u"error"_s;
        return continueOnError;
    }
    bool saveOverUncopiedFile() override
    {
        calls << u"overwrite?"_s;
        return overwrite;
    }
    bool askPassword(DataStore& store) override
    {
        calls << u"password"_s;
        QByteArray typed = passwords.value(0);
        if (!store.checkPassword(typed))
            return false;
        store.adoptPassword(typed);
        return true;
    }
    bool unsealPassword(DataStore& store, const QString& path) override
    {
        calls << u"unseal"_s;
        for (qsizetype attempt = 0; attempt < 2 && attempt < passwords.size(); ++attempt) {
            QByteArray typed = passwords[attempt];
            if (auto key = SealedFile::unlock(path, typed)) {
                store.setSealKey(std::move(key));
                return true;
            }
        }
        return false;
    }
    void loadIconLibrary() override { calls << u"icons"_s; }
    void runMainWindow() override
    {
        calls << u"main"_s;
        if (duringMainWindow)
            duringMainWindow();
    }
    bool retryFailedSave(const FileResult&) override
    {
        calls << u"retry?"_s;
        return retries-- > 0;
    }
    void saveIconLibrary() override { calls << u"save icons"_s; }

    bool continueOnError = false;
    bool overwrite = false;
    QList<QByteArray> passwords;
    int retries = 0;
    std::function<void()> duringMainWindow;
    QStringList calls;
};

} // namespace dvk::test
