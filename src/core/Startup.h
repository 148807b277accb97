#pragma once

#include "DataStore.h"

namespace dvk {

class SingleInstance;

// The dialogs and windows that start-up and shutdown need, supplied by the program.
class StartupSteps
{
public:
    virtual ~StartupSteps() = default;
    // The data file could not be read. True to continue with what was read, false to exit.
    virtual bool continueAfterDataFileError(const FileResult& result) = 0;
    // The unreadable data file could not be copied aside, so saving would overwrite the only copy:
    // true when the user chooses to save over it at the end of this run. The default keeps it.
    virtual bool saveOverUncopiedFile() { return false; }
    // The store has a password: true when the user gave it.
    virtual bool askPassword(DataStore& store) = 0;
    // The data file at `path` is sealed: true when the user gave its password, whose key is then
    // the store's sealing key. The default gives none.
    virtual bool unsealPassword(DataStore& store, const QString& path);
    // A sealed data file cannot be opened because the crypto library could not be initialised.
    virtual void sealingUnavailable() {}
    virtual void loadIconLibrary() = 0;
    // The data may be written from now on: called before the main window runs, unless the user
    // chose to keep an unreadable file that could not be copied. The default does nothing.
    virtual void beginSavingAsYouGo() {}
    // Runs the main window until it closes.
    virtual void runMainWindow() = 0;
    // Saving at exit failed: true to try again, false to leave without saving.
    virtual bool retryFailedSave(const FileResult& result) = 0;
    virtual void saveIconLibrary() = 0;
};

// DVK's life from start to end: one running copy, a staged restore swapped in, the data loaded,
// the error dialog and the password prompt when they apply (for a sealed file, the password comes
// before loading), the main window, then the data and
// the icon library saved. Every early end saves nothing.
class Startup final
{
public:
    enum class Outcome
    {
        AnotherCopyRunning,
        ExitedAfterDataFileError,
        PasswordNotGiven,
        SealingUnavailable,
        SavedAndEnded,
        EndedWithoutSaving, // the save at exit failed and the user chose to leave
    };

    static Outcome run(DataStore& store, SingleInstance& instance, StartupSteps& steps);
};

} // namespace dvk
