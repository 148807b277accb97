#include "SearchRunner.h"

namespace dvk {

SearchRunner::SearchRunner(QObject* parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

SearchRunner::~SearchRunner()
{
    if (m_cancel)
        m_cancel->store(true);
    m_pool.waitForDone();
}

void SearchRunner::start(std::shared_ptr<const SearchSnapshot> snapshot, const QString& query)
{
    if (m_cancel)
        m_cancel->store(true);
    m_cancel = std::make_shared<std::atomic_bool>(false);
    m_snapshot = std::move(snapshot);
    m_running = true;
    const quint64 generation = ++m_generation;
    m_pool.start([this, generation, cancel = m_cancel, snapshot = m_snapshot,
                  words = SearchQuery(query)] {
        const auto post = [this, generation](std::vector<SearchMatch> matches, bool last) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, matches = std::move(matches), last] {
                    if (generation != m_generation)
                        return;
                    if (!matches.empty())
                        Q_EMIT found(matches);
                    if (last) {
                        m_running = false;
                        Q_EMIT finished();
                    }
                },
                Qt::QueuedConnection);
        };
        const bool complete =
            Searcher::run(*snapshot, words, *cancel, [&post](std::vector<SearchMatch>& matches) {
                post(std::move(matches), false);
            });
        if (complete)
            post({}, true);
    });
}

} // namespace dvk
