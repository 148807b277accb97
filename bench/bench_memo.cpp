// The Memo panel with 10,000 and 100,000 reminders: the ten-second alert check with its re-sort,
// and a full repaint of the visible rows. Then 10,000 reminders of which 1,000 fall due at once,
// with desktop notifications sent to a server of the benchmark's own on a private bus: the time
// the alert check holds the user-interface thread, and how many notifications went out.
// Prints figures; asserts nothing.
#include "BenchTiming.h"
#include "DataStore.h"
#include "FakeNotificationServer.h"
#include "MemoPanel.h"
#include "NotificationService.h"
#include "PrivateBus.h"
#include "ReminderList.h"
#include "ReminderNotifier.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QRandomGenerator>
#include <QTableView>
#include <cstdio>

using namespace dvk;
using namespace dvk::bench;

namespace {

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
    std::printf(
        "%6d reminders: alert check and re-sort %7.2f ms, repaint of the visible rows %6.2f ms\n",
        count, check, paint);
}

// The Memo panel as the notifier sees it in the program.
class PanelReminders final : public ReminderList
{
public:
    explicit PanelReminders(MemoPanel& panel)
        : m_panel(panel)
    {}
    bool holds(const MemoRecord* memo) const override { return m_panel.holds(memo); }
    void open(MemoRecord* memo) override { m_panel.selectMemo(memo); }
    void dismiss(MemoRecord& memo) override { m_panel.dismissMemo(&memo); }
    void silence(MemoRecord&) override { m_panel.stopBeep(); }

private:
    MemoPanel& m_panel;
};

void measureNotifications(int count, int due)
{
    test::PrivateBus bus;
    if (bus.address().isEmpty()) {
        std::printf("notifications: no dbus-daemon, not measured\n");
        return;
    }
    test::FakeNotificationServer server(bus.connect(QStringLiteral("bench server")));
    NotificationService service(bus.connect(QStringLiteral("bench client")));
    DataStore store;
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 0; i < count; ++i) {
        MemoRecord* m = store.memos.add();
        // Every tenth one fell due within the last week, the others fall due within a year.
        const QDateTime at = i % (count / due) == 0 ? now.addSecs(-qint64(i) * 60 - 60)
                                                    : now.addSecs(qint64(i) * 3000 + 3600);
        m->dueYear = at.date().year();
        m->dueMonth = at.date().month();
        m->dueDay = at.date().day();
        m->dueHour = at.time().hour();
        m->dueMinute = at.time().minute();
        m->anyTime = 0;
        m->text = "Reminder " + QByteArray::number(i);
    }
    MemoPanel panel(store.memos, store.clock());
    PanelReminders reminders(panel);
    ReminderNotifier notifier(service, reminders, store.clock(),
                              [&panel](const MemoRecord& memo) { return panel.timeText(memo); });
    panel.setSilenceFilter(
        [&notifier](const MemoRecord& memo) { return notifier.isSnoozed(memo); });
    QObject::connect(&panel, &MemoPanel::alertsChecked, &notifier,
                     &ReminderNotifier::alertsChecked);
    panel.resize(480, 300);
    panel.show();
    QApplication::processEvents();

    QElapsedTimer t;
    t.start();
    panel.checkAlerts();
    const double first = t.nsecsElapsed() / 1e6;
    QElapsedTimer wait;
    wait.start();
    while ((service.pendingCalls() > 0 || server.notifications().size() < 4) &&
           wait.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    const double again = bestMilliseconds(5, [&] { panel.checkAlerts(); });
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    std::printf("%6d reminders, %d due at once: alert check with notifications %6.2f ms, "
                "later checks %6.2f ms, %d alerting, %zu notifications sent\n",
                count, due, first, again, notifier.alertingCount(), server.notifications().size());
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    measure(10'000);
    measure(100'000);
    measureNotifications(10'000, 1'000);
    return 0;
}
