// Find over the benchmark store (about 54 MB of texts): the time to the first 200 hits and to
// the full count for a few queries, the user-interface thread's time per keystroke in the Find
// window, and the memory of the snapshot the worker searches. Prints figures; asserts nothing.
#include "BenchStore.h"
#include "FindResultModel.h"
#include "FindWindow.h"
#include "SearchRunner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>

using namespace dvk;
using namespace Qt::StringLiterals;

namespace {

qsizetype textBytes(const SearchSnapshot& snapshot)
{
    qsizetype bytes = 0;
    for (const SearchSnapshot::Field& field : snapshot.fields())
        bytes += field.text.size();
    return bytes;
}

// Runs `query` on a worker as the Find window does and reports when the first 200 hits and the
// last arrived.
void timeQuery(const std::shared_ptr<const SearchSnapshot>& snapshot, const QString& query)
{
    SearchRunner runner;
    qsizetype count = 0;
    qint64 first200 = -1;
    QElapsedTimer timer;
    QEventLoop loop;
    QObject::connect(&runner, &SearchRunner::found, &loop,
                     [&](const std::vector<SearchMatch>& matches) {
                         count += qsizetype(matches.size());
                         if (first200 < 0 && count >= 200)
                             first200 = timer.nsecsElapsed();
                     });
    QObject::connect(&runner, &SearchRunner::finished, &loop, &QEventLoop::quit);
    timer.start();
    runner.start(snapshot, query);
    loop.exec();
    const qint64 total = timer.nsecsElapsed();
    std::printf("%-22s %8lld hits   first 200: %7.1f ms   all: %7.1f ms\n",
                qPrintable(u"\""_s + query + u"\""_s), (long long)count,
                first200 < 0 ? total / 1e6 : first200 / 1e6, total / 1e6);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(u"config"_s).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(u"data"_s).toLocal8Bit());
    QApplication app(argc, argv);

    DataStore store;
    bench::fillRealisticStore(store);

    QElapsedTimer timer;
    std::vector<qint64> snapshots;
    for (int i = 0; i < 5; ++i) {
        timer.start();
        const SearchSnapshot snapshot(store);
        snapshots.push_back(timer.nsecsElapsed());
    }
    std::sort(snapshots.begin(), snapshots.end());
    const auto snapshot = std::make_shared<const SearchSnapshot>(store);
    const qsizetype own =
        qsizetype(snapshot->records().capacity() * sizeof(SearchSnapshot::Record) +
                  snapshot->fields().capacity() * sizeof(SearchSnapshot::Field));
    std::printf("store texts: %.1f MB in %zu fields of %zu records\n", textBytes(*snapshot) / 1e6,
                snapshot->fields().size(), snapshot->records().size());
    std::printf("snapshot: %.1f ms to take (median of 5), %.1f MB of its own; the texts are "
                "shared with the store, no folded copy is kept\n",
                snapshots[2] / 1e6, own / 1e6);

    for (const QString& query : {u"meeting"_s, u"xylophone"_s, u"4242"_s, u"12.5"_s, u"12"_s,
                                 u"garden tax"_s, u"passport renewal dentist"_s})
        timeQuery(snapshot, query);

    // Typing "insurance" into the window: what each keystroke costs the user-interface thread
    // (snapshot, emptying the list, starting the worker), and the results after the last one.
    FindWindow window(store);
    window.show();
    window.activateWindow();
    QTest::qWaitForWindowActive(&window);
    QCoreApplication::processEvents();
    qint64 worst = 0;
    qint64 sum = 0;
    const QString typed = u"insurance"_s;
    for (const QChar c : typed) {
        timer.start();
        QTest::keyClick(window.searchBox(), c.toLatin1());
        const qint64 spent = timer.nsecsElapsed();
        worst = std::max(worst, spent);
        sum += spent;
        // Half a fast typist's pause between keys, during which results arrive and are shown.
        QTest::qWait(60);
    }
    timer.start();
    while (window.runner()->isRunning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    std::printf("typing \"insurance\": %.1f ms per keystroke on average, %.1f ms at most; "
                "%d rows, last search done %.1f ms after the wait\n",
                sum / 1e6 / typed.size(), worst / 1e6, window.model()->rowCount(),
                timer.nsecsElapsed() / 1e6);
    return 0;
}
