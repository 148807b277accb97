#include "Startup.h"

#include "Backup.h"
#include "DataPaths.h"
#include "SealedFile.h"
#include "SingleInstance.h"

#include <sys/stat.h>

namespace dvk {

bool StartupSteps::unsealPassword(DataStore&, const QString&)
{
    return false;
}

Startup::Outcome Startup::run(DataStore& store, SingleInstance& instance, StartupSteps& steps)
{
    // Everything DVK creates holds private data: folders 0700 and files 0600 from their first
    // byte, rather than narrowed once complete.
    ::umask(S_IRWXG | S_IRWXO);
    if (!instance.claim())
        return Outcome::AnotherCopyRunning;

    // A failed swap keeps the staging file for the next start; the old data file is used.
    Backup::applyStagedRestore();

    // A sealed file needs its password before anything of it can be read; a damaged header is
    // left to the load, which reports it as any damage.
    const QString path = DataPaths::dataFilePath();
    const SealedFile::Kind kind = SealedFile::kindOf(path);
    if (kind != SealedFile::Kind::NotSealed && !SealKey::cryptoAvailable()) {
        steps.sealingUnavailable();
        return Outcome::SealingUnavailable;
    }
    const bool unsealed = kind == SealedFile::Kind::Sealed;
    if (unsealed && !steps.unsealPassword(store, path))
        return Outcome::PasswordNotGiven;

    const FileResult loaded = store.load();
    if (store.loadFailed && !steps.continueAfterDataFileError(loaded))
        return Outcome::ExitedAfterDataFileError;
    const bool mayOverwrite =
        !store.loadFailed || !loaded.keptCopy.isEmpty() || steps.saveOverUncopiedFile();
    if (!unsealed && store.hasPassword() && !steps.askPassword(store))
        return Outcome::PasswordNotGiven;

    steps.loadIconLibrary();
    if (mayOverwrite)
        steps.beginSavingAsYouGo();
    steps.runMainWindow();

    if (!mayOverwrite) {
        steps.saveIconLibrary();
        return Outcome::EndedWithoutSaving;
    }
    Outcome outcome = Outcome::SavedAndEnded;
    for (;;) {
        const FileResult saved = store.save();
        if (saved.ok)
            break;
        if (!steps.retryFailedSave(saved)) {
            outcome = Outcome::EndedWithoutSaving;
            break;
        }
    }
    steps.saveIconLibrary();
    return outcome;
}

} // namespace dvk
