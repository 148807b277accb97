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
        return log(u"error"_s, continueOnError);
    }
    bool saveOverUncopiedFile() override { return log(u"overwrite?"_s, overwrite); }
    bool askPassword(DataStore& store) override
    {
        QByteArray typed = passwords.value(0);
        if (!log(u"password"_s, store.checkPassword(typed)))
            return false;
        store.adoptPassword(typed);
        return true;
    }
    bool unsealPassword(DataStore& store, const QString& path) override
    {
        log(u"unseal"_s);
        for (qsizetype attempt = 0; attempt < 2 && attempt < passwords.size(); ++attempt) {
            QByteArray typed = passwords[attempt];
            if (auto key = SealedFile::unlock(path, typed)) {
                store.setSealKey(std::move(key));
                return true;
            }
        }
        return false;
    }
    void loadIconLibrary() override { log(u"icons"_s); }
    void runMainWindow() override
    {
        if (log(u"main"_s) && duringMainWindow)
            duringMainWindow();
    }
    bool retryFailedSave(const FileResult&) override { return log(u"retry?"_s, retries-- > 0); }
    void saveIconLibrary() override { log(u"save icons"_s); }
    bool log(const QString& step, bool answer = true)
    {
        calls << step;
        return answer;
    }

    bool continueOnError = false;
    bool overwrite = false;
    QList<QByteArray> passwords;
    int retries = 0;
    std::function<void()> duringMainWindow;
    QStringList calls;
};

} // namespace dvk::test
