#include "DvkTest.h"
#include "FakeClock.h"
#include "FakeNotificationServer.h"
#include "NotificationService.h"
#include "PrivateBus.h"
#include "ReminderList.h"
#include "ReminderNotifier.h"

#include <deque>
#include <memory>

namespace {

// The memo list as the notifier sees it: logs what the actions asked of it ("dismiss m3").
class RecordingList final : public ReminderList
{
public:
    bool holds(const MemoRecord* memo) const override
    {
        return !removed.contains(memo) &&
               std::any_of(memos.begin(), memos.end(), [memo](auto& m) { return &m == memo; });
    }
    void open(MemoRecord* memo) override { log(u"open"_s, memo); }
    void dismiss(MemoRecord& memo) override { log(u"dismiss"_s, &memo); }
    void silence(MemoRecord& memo) override { log(u"silence"_s, &memo); }
    void log(const QString& what, const MemoRecord* memo)
    {
        asked << what + u' ' + (memo ? QString::fromLatin1(memo->text) : u"-"_s);
    }

    std::deque<MemoRecord> memos;
    QSet<const MemoRecord*> removed;
    QStringList asked;
};

// "0,2" -> the list's memos 0 and 2.
std::vector<MemoRecord*> pick(RecordingList& list, const QString& indices)
{
    std::vector<MemoRecord*> chosen;
    for (const QString& index : indices.split(QLatin1Char(','), Qt::SkipEmptyParts))
        chosen.push_back(&list.memos[size_t(index.toInt())]);
    return chosen;
}

} // namespace

class TestReminderNotifier final : public QObject
{
    Q_OBJECT

    test::PrivateBus m_bus;
    std::unique_ptr<test::FakeNotificationServer> m_server;
    std::unique_ptr<NotificationService> m_service;
    std::unique_ptr<RecordingList> m_list;
    std::unique_ptr<ReminderNotifier> m_notifier;
    test::FakeClock m_clock{QDateTime(QDate(2026, 5, 4), QTime(8, 0))};

    void settle()
    {
        QTRY_COMPARE(m_service->pendingCalls(), 0);
        // Let the server's signals come back too.
        QTest::qWait(50);
    }
    // The texts of what the server was sent: the body, or the summary when there is none.
    QStringList sentTexts() const
    {
        QStringList texts;
        for (const auto& n : m_server->notifications())
            texts << (n.body.isEmpty() ? n.summary : n.body);
        return texts;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_server = std::make_unique<test::FakeNotificationServer>(m_bus.connect(u"server"_s));
        QVERIFY(m_server->isRegistered());
    }
    void init()
    {
        m_notifier.reset();
        m_server->clear();
        m_service = std::make_unique<NotificationService>(m_bus.connect(u"client"_s));
        m_list = std::make_unique<RecordingList>();
        for (int i = 0; i < 6; ++i) {
            MemoRecord& memo = m_list->memos.emplace_back(m_clock);
            memo.text = "m" + QByteArray::number(i);
            memo.anyTime = 0;
            memo.dueHour = 7;
            memo.dueMinute = i;
        }
        m_notifier = std::make_unique<ReminderNotifier>(
            *m_service, *m_list, m_clock, [](const MemoRecord& memo) {
                return QStringLiteral("07:%1").arg(memo.dueMinute, 2, 10, QLatin1Char('0'));
            });
    }

    // One notification per memo that starts alerting; never again while it keeps alerting;
    // more than three at once make three and a count of the rest.
    void notifiesWhenAlertingStarts_data()
    {
        addColumns<QStringList, bool, QStringList, int>({"checks", "enabled", "sent", "closes"});
        QTest::newRow("keeps alerting")
            << QStringList{u"0"_s, u"0"_s, u"0"_s} << true << QStringList{u"m0"_s} << 0;
        QTest::newRow("a second one joins") << QStringList{u"0"_s, u"0,1"_s, u"0,1"_s} << true
                                            << QStringList{u"m0"_s, u"m1"_s} << 0;
        QTest::newRow("four at once")
            << QStringList{u"0,1,2,3"_s, u"0,1,2,3"_s} << true
            << QStringList{u"m0"_s, u"m1"_s, u"m2"_s, u"1 more reminder is due"_s} << 0;
        QTest::newRow("six at once")
            << QStringList{u"5,4,3,2,1,0"_s} << true
            << QStringList{u"m5"_s, u"m4"_s, u"m3"_s, u"3 more reminders are due"_s} << 0;
        QTest::newRow("stops, then alerts again")
            << QStringList{u"1"_s, u""_s, u"1"_s} << true << QStringList{u"m1"_s, u"m1"_s} << 1;
        QTest::newRow("notifications off")
            << QStringList{u"0,1"_s, u"0,1,2,3,4"_s} << false << QStringList{} << 0;
    }
    void notifiesWhenAlertingStarts()
    {
        const auto [checks, enabled] = fetch<QStringList, bool>({"checks", "enabled"});
        m_notifier->setNotificationsEnabled(enabled);
        for (const QString& check : checks) {
            m_notifier->alertsChecked(pick(*m_list, check));
            settle();
        }
        QTEST(sentTexts(), "sent");
        QTEST(int(m_server->closeCalls().size()), "closes");
        QCOMPARE(m_notifier->alertingCount(), int(pick(*m_list, checks.last()).size()));
    }

    void notificationCarriesTheMemo()
    {
        m_list->memos[2].text = "Call <Ann> & Bob";
        m_notifier->alertsChecked(pick(*m_list, u"2"_s));
        settle();
        QCOMPARE(m_server->notifications().size(), size_t(1));
        const auto n = m_server->notifications().front();
        QCOMPARE(n.appName, u"DVK"_s);
        QCOMPARE(n.icon, u"dvk"_s);
        QCOMPARE(n.summary, QStringLiteral("Reminder \u2014 07:02"));
        QCOMPARE(n.body, u"Call &lt;Ann&gt; &amp; Bob"_s);
        QCOMPARE(n.actions, (QStringList{u"default"_s, u"Open"_s, u"snooze"_s, u"Snooze"_s,
                                         u"dismiss"_s, u"Dismiss"_s}));
        QCOMPARE(n.replacesId, 0u);
        QCOMPARE(n.hints.value(u"desktop-entry"_s).toString(), u"dvk"_s);
        // Moved on while its notification is still up: the new one replaces it.
        m_list->memos[2].dueMinute = 40;
        m_notifier->alertsChecked(pick(*m_list, u"2"_s));
        settle();
        QCOMPARE(m_server->notifications().size(), size_t(2));
        QCOMPARE(m_server->notifications().back().replacesId, n.id);
    }

    // The actions reach the memo list; a removed memo is left alone.
    void actions_data()
    {
        addColumns<QString, bool, QString, int>({"action", "removed", "asked", "closes"});
        QTest::newRow("open") << u"default"_s << false << u"open m3"_s << 0;
        QTest::newRow("dismiss") << u"dismiss"_s << false << u"dismiss m3"_s << 1;
        QTest::newRow("snooze") << u"snooze"_s << false << u"silence m3"_s << 1;
        QTest::newRow("unknown") << u"later"_s << false << u""_s << 0;
        QTest::newRow("dismiss removed") << u"dismiss"_s << true << u""_s << 0;
        QTest::newRow("open removed") << u"default"_s << true << u"open -"_s << 0;
    }
    void actions()
    {
        const auto [action, removed] = fetch<QString, bool>({"action", "removed"});
        m_notifier->alertsChecked(pick(*m_list, u"3"_s));
        settle();
        if (removed)
            m_list->removed.insert(&m_list->memos[3]);
        m_server->invoke(m_server->notifications().front().id, action);
        QTest::qWait(100);
        settle();
        QTEST(m_list->asked.join(u';'), "asked");
        QTEST(int(m_server->closeCalls().size()), "closes");
    }

    // A snooze lasts its minutes, then the memo alerts and is notified again in the same place;
    // an edited memo is no longer snoozed.
    void snooze_data()
    {
        addColumns<int, int, bool, bool>({"minutes", "waited", "edited", "snoozed"});
        QTest::newRow("default, 9:59 later") << 0 << 599 << false << true;
        QTest::newRow("default, 10:00 later") << 0 << 600 << false << false;
        QTest::newRow("90 minutes, an hour later") << 90 << 3600 << false << true;
        QTest::newRow("edited meanwhile") << 0 << 60 << true << false;
    }
    void snooze()
    {
        const auto [minutes, waited, edited, snoozed] =
            fetch<int, int, bool, bool>({"minutes", "waited", "edited", "snoozed"});
        if (minutes != 0)
            m_notifier->setSnoozeMinutes(minutes);
        MemoRecord& memo = m_list->memos[0];
        m_notifier->alertsChecked({&memo});
        settle();
        m_server->invoke(m_server->notifications().front().id, u"snooze"_s);
        QTRY_COMPARE(m_list->asked, QStringList{u"silence m0"_s});
        QVERIFY(m_notifier->isSnoozed(memo));
        QCOMPARE(m_notifier->alertingCount(), 0);
        m_clock.advance(waited);
        if (edited)
            memo.dueMinute = 30;
        QCOMPARE(m_notifier->isSnoozed(memo), snoozed);
        m_notifier->alertsChecked(snoozed ? std::vector<MemoRecord*>{}
                                          : std::vector<MemoRecord*>{&memo});
        settle();
        QCOMPARE(int(m_server->notifications().size()), snoozed ? 1 : 2);
        QCOMPARE(m_server->notifications().back().body, u"m0"_s);
    }

    // Without a server on the bus nothing is shown and nothing waits. (Runs last: it ends the
    // server.)
    void noServer()
    {
        m_server.reset();
        QTest::qWait(50);
        m_notifier->alertsChecked(pick(*m_list, u"0,1,2,3,4"_s));
        QTRY_COMPARE(m_service->pendingCalls(), 0);
        QCOMPARE(m_notifier->alertingCount(), 5);
    }
};

DVK_TEST(TestReminderNotifier);
#include "tst_remindernotifier.moc"
