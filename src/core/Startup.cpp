#include "Startup.h"

#include "Backup.h"
#include "SingleInstance.h"

namespace dvk {

Startup::Outcome Startup::run(DataStore& store, SingleInstance& instance, StartupSteps& steps)
{
    if (!instance.claim())
        return Outcome::AnotherCopyRunning;

    // A failed swap keeps the staging file for the next start; the old data file is used.
    Backup::applyStagedRestore();

    const FileResult loaded = store.load();
    if (store.loadFailed && !steps.continueAfterDataFileError(loaded))
        return Outcome::ExitedAfterDataFileError;
    if (store.hasPassword() && !steps.askPassword(store))
        return Outcome::PasswordNotGiven;

    steps.loadIconLibrary();
    steps.runMainWindow();

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
