#include "AutoSaver.h"

#include "DataFile.h"
#include "DataPaths.h"
#include "SettingsStore.h"
#include "StoreFingerprint.h"

#include <QBuffer>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cstdlib>

namespace dvk {
namespace {

// The saver that saves what is left when the process ends through exit().
AutoSaver* g_active = nullptr;

bool encryptionSetting()
{
    return SettingsStore().readNumber(SettingsStore::EncryptDVKFile).value_or(0) != 0;
}

} // namespace

AutoSaver::AutoSaver(DataStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
{
    m_pool.setMaxThreadCount(1);
    m_debounce.setSingleShot(true);
    connect(&m_debounce, &QTimer::timeout, this, &AutoSaver::saveNow);
    connect(&m_poll, &QTimer::timeout, this, &AutoSaver::pollFingerprint);
    connect(&m_watcher, &QFutureWatcherBase::finished, this, [this] { finishInFlight(false); });
}

AutoSaver::~AutoSaver()
{
    if (g_active == this)
        g_active = nullptr;
    if (m_started) {
        m_store.setChangeListener({});
        m_store.setSaveHandler({});
    }
    if (m_inFlight)
        m_future.waitForFinished();
}

void AutoSaver::start()
{
    if (m_started)
        return;
    m_started = true;
    m_identity = FileIdentity::of(DataPaths::dataFilePath(), true);
    m_seen = currentFingerprint();
    m_store.setChangeListener([this] { noteChange(); });
    m_store.setSaveHandler([this] { return saveAndWait(); });
    m_poll.start(PollMs);
    g_active = this;
    static const bool registered = std::atexit(&AutoSaver::saveAtProcessExit) == 0;
    Q_UNUSED(registered);
}

void AutoSaver::noteChange()
{
    m_dirty = true;
    if (!m_debounce.isActive() || !m_burst.isValid())
        m_burst.start();
    const qint64 left = LongestWaitMs - m_burst.elapsed();
    m_debounce.start(int(std::clamp<qint64>(left, 0, QuietMs)));
}

void AutoSaver::saveNow()
{
    m_debounce.stop();
    if (m_inFlight) {
        m_saveAfterFlight = true;
        return;
    }
    startJob();
}

size_t AutoSaver::currentFingerprint() const
{
    // The form of the file is part of what a save writes: turning encryption on is a change.
    return qHashMulti(StoreFingerprint::of(m_store), encryptionSetting());
}

SaveJob AutoSaver::makeJob()
{
    SaveJob job;
    // The bytes go into the buffer of the last save: a store of tens of megabytes would
    // otherwise fault in fresh pages on every save, which costs more than serialising it.
    job.plain = std::move(m_spare);
    job.plain.resize(0);
    job.plain.reserve(m_lastSize + 4096);
    QBuffer buffer(&job.plain);
    buffer.open(QIODevice::WriteOnly);
    DataFile::write(m_store, buffer);
    m_lastSize = job.plain.size();
    const bool encrypted = encryptionSetting();
    m_seen = qHashMulti(StoreFingerprint::of(m_store), encrypted);
    if (encrypted && m_store.hasPassword()) {
        job.form = SaveJob::Form::Sealed;
        job.key = SaveJob::copyKey(m_store.sealKey());
    } else {
        job.form = encrypted ? SaveJob::Form::Encrypted : SaveJob::Form::Plain;
    }
    job.path = DataPaths::dataFilePath();
    job.expected = m_identity;
    job.now = QDateTime::currentDateTime();
    m_dirty = false;
    m_burst.invalidate();
    return job;
}

void AutoSaver::startJob()
{
    m_inFlight = true;
    m_saveAfterFlight = false;
    m_future = QtConcurrent::run(&m_pool, [job = makeJob()]() mutable {
        SaveJob::Outcome outcome = job.run();
        outcome.spent = std::move(job.plain);
        return outcome;
    });
    m_watcher.setFuture(m_future);
}

void AutoSaver::finishInFlight(bool wait)
{
    if (!m_inFlight || (!wait && !m_future.isFinished()))
        return;
    m_future.waitForFinished();
    m_inFlight = false;
    SaveJob::Outcome outcome = m_future.takeResult();
    m_spare = std::move(outcome.spent);
    handleOutcome(outcome);
}

FileResult AutoSaver::saveAndWait()
{
    m_debounce.stop();
    finishInFlight(true);
    SaveJob job = makeJob();
    const SaveJob::Outcome outcome = job.run();
    m_spare = std::move(job.plain);
    handleOutcome(outcome);
    return outcome.result;
}

void AutoSaver::handleOutcome(const SaveJob::Outcome& outcome)
{
    if (!outcome.conflictCopy.isEmpty()) {
        // The outside version is safe in its copy; from now on the file is DVK's again.
        Q_EMIT conflictFound(outcome.conflictCopy);
    }
    if (!outcome.result.ok) {
        m_store.loadFailed = 1;
        m_dirty = true;
        if (++m_failures >= FailuresBeforeTelling && !m_told) {
            m_told = true;
            Q_EMIT saveFailed(outcome.result.message);
        }
        // After the user was told, keep trying, but less often.
        m_debounce.start(m_told ? RetryMs * 5 : RetryMs);
        return;
    }
    m_identity = outcome.written;
    m_failures = 0;
    m_told = false;
    Q_EMIT saved();
    if (m_saveAfterFlight || (m_dirty && !m_debounce.isActive()))
        saveNow();
}

void AutoSaver::pollFingerprint()
{
    QElapsedTimer took;
    took.start();
    const size_t now = currentFingerprint();
    if (now != m_seen) {
        m_seen = now;
        noteChange();
    }
    // A very large store is compared less often, so that the comparison never takes more
    // than a tenth of the user-interface thread's time.
    m_poll.setInterval(int(qMax<qint64>(PollMs, took.elapsed() * 10)));
}

void AutoSaver::saveAtProcessExit()
{
    AutoSaver* saver = g_active;
    if (!saver || !saver->hasUnsavedChanges())
        return;
    // Nobody is left to answer a question now.
    saver->blockSignals(true);
    saver->saveAndWait();
}

} // namespace dvk
