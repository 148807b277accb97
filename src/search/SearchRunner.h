#pragma once

#include "Searcher.h"

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>

namespace dvk {

// Runs one search at a time on a worker thread, so that typing in the Find box never waits for
// a search: a new query cancels the one before it, whose late results are dropped. Results come
// back on the thread of the runner, in batches, as signals.
class SearchRunner final : public QObject
{
    Q_OBJECT

public:
    explicit SearchRunner(QObject* parent = nullptr);
    ~SearchRunner() override;

    // Searches `snapshot` for `query` (an empty query finds nothing and finishes at once).
    void start(std::shared_ptr<const SearchSnapshot> snapshot, const QString& query);
    // The snapshot of the search started last, which the delivered matches point into.
    const std::shared_ptr<const SearchSnapshot>& snapshot() const { return m_snapshot; }
    bool isRunning() const { return m_running; }
    // Blocks until the current search has finished; for tests and benchmarks.
    void waitForDone() { m_pool.waitForDone(); }

Q_SIGNALS:
    // More matches of the current search, in store order after those delivered before.
    void found(const std::vector<dvk::SearchMatch>& matches);
    // The current search has looked at every record.
    void finished();

private:
    QThreadPool m_pool;
    std::shared_ptr<std::atomic_bool> m_cancel;
    std::shared_ptr<const SearchSnapshot> m_snapshot;
    quint64 m_generation = 0;
    bool m_running = false;
};

} // namespace dvk
