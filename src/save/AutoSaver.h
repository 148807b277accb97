#pragma once

#include "DataStore.h"
#include "FileIdentity.h"
#include "SaveJob.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

namespace dvk {

// Saves the store as the user works, so that no more than the last two seconds of work can be
// lost whatever ends DVK. The store's lists announce every addition and removal; a fingerprint of
// the whole store, compared on a timer, finds the edits made inside records. A burst of changes
// is saved once, QuietMs after the last change and never later than LongestWaitMs after the first.
//
// A save serialises the store on the calling (user-interface) thread and leaves enciphering,
// writing, syncing and the rename to a worker thread (SaveJob). A failed save is tried again; if
// it keeps failing, saveFailed is emitted once until a save succeeds. Once started, the store's
// own save() (the save at exit, before a backup) goes through saveAndWait(), so that what the
// conflict check remembers stays true.
class AutoSaver final : public QObject
{
    Q_OBJECT
public:
    static constexpr int QuietMs = 1000;
    static constexpr int LongestWaitMs = 1500;
    static constexpr int PollMs = 500;
    static constexpr int RetryMs = 2000;
    static constexpr int FailuresBeforeTelling = 3;

    explicit AutoSaver(DataStore& store, QObject* parent = nullptr);
    ~AutoSaver() override;

    // Remembers the data file as it is now (as loaded) and starts watching the store. If the
    // process ends through exit() while changes are unsaved (the X11 connection broke), they
    // are saved before it ends.
    void start();
    // Starts a save now, or right after the one that is being written.
    void saveNow();
    // Saves at once and returns when the file is written: session end, exit, backup.
    FileResult saveAndWait();
    // A change is known that no finished save holds yet.
    bool hasUnsavedChanges() const { return m_dirty || m_inFlight; }
    // Tells the saver that the store changed; the lists do so on their own.
    void noteChange();

Q_SIGNALS:
    // A save reached the disk.
    void saved();
    // Saves failed FailuresBeforeTelling times in a row; emitted once until a save succeeds.
    void saveFailed(const QString& message);
    // The data file had been replaced from outside; that version is kept at `conflictCopy`,
    // and the store has been saved over the data file.
    void conflictFound(const QString& conflictCopy);

private:
    SaveJob makeJob();
    void startJob();
    void finishInFlight(bool wait);
    void handleOutcome(const SaveJob::Outcome& outcome);
    void pollFingerprint();
    size_t currentFingerprint() const;
    static void saveAtProcessExit();

    DataStore& m_store;
    QThreadPool m_pool;
    QFuture<SaveJob::Outcome> m_future;
    QFutureWatcher<SaveJob::Outcome> m_watcher;
    QTimer m_debounce;
    QTimer m_poll;
    QElapsedTimer m_burst;
    FileIdentity m_identity;
    QByteArray m_spare; // the serialisation buffer of the last save, for the next one
    size_t m_seen = 0;
    qsizetype m_lastSize = 0;
    int m_failures = 0;
    bool m_started = false;
    bool m_dirty = false;
    bool m_inFlight = false;
    bool m_saveAfterFlight = false;
    bool m_told = false;
};

} // namespace dvk
