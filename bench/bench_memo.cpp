// The Memo panel with 10,000 and 100,000 reminders: the ten-second alert check with its re-sort,
// and a full repaint of the visible rows. Prints figures; asserts nothing.
#include "DataStore.h"
#include "MemoPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QRandomGenerator>
#include <QTableView>

#include <cstdio>

using namespace dvk;

namespace {

template <class F>
double bestMilliseconds(int runs, F f)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

void measure(int count)
{
    DataStore store;
    QRandomGenerator random(5);
    const QDate today = QDate::currentDate();
    for (int i = 0; i < count; ++i) {
        MemoRecord* m = store.memos.add();
        const QDate due = today.addDays(qint64(random.bounded(2000)) - 1000);
        m->dueYear = due.year();
        m->dueMonth = due.month();
        m->dueDay = due.day();
        m->anyTime = int(random.bounded(2));
        m->dueHour = int(random.bounded(24));
        m->recurrence = int(random.bounded(5));
        m->text = "Reminder " + QByteArray::number(i);
    }
    MemoPanel panel(store.memos, store.clock());
    panel.resize(480, 300);
    panel.show();
    QApplication::processEvents();
    const double check = bestMilliseconds(5, [&] { panel.checkAlerts(); });
    const double paint = bestMilliseconds(5, [&] { panel.view()->viewport()->repaint(); });
    std::printf("%6d reminders: alert check and re-sort %7.2f ms, repaint of the visible rows %6.2f ms\n",
                count, check, paint);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    measure(10'000);
    measure(100'000);
    return 0;
}
