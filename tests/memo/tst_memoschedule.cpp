#include "FakeClock.h"
#include "MemoSchedule.h"
#include "TestRegistry.h"
#include "TonePlayer.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

void setDue(MemoRecord& memo, int y, int mo, int d, int h, int mi, int s)
{
    memo.dueYear = y;
    memo.dueMonth = mo;
    memo.dueDay = d;
    memo.dueHour = h;
    memo.dueMinute = mi;
    memo.dueSecond = s;
}

} // namespace

class TestMemoSchedule final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statusText_data();
    void statusText();
    void advanceRecurrence_data();
    void advanceRecurrence();
    void timeText();
    void dismissIfDue();
    void alertCheck();
    void toneSamples();
};

void TestMemoSchedule::statusText_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time"); // invalid = any time of the day
    QTest::addColumn<int>("dismissed");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("status");

    const QDate day(2024, 3, 15);
    QTest::newRow("any-time, midnight")
        << day << QTime() << 0 << at(2024, 3, 15) << u"0:00:00:01"_s;
    QTest::newRow("any-time, first second")
        << day << QTime() << 0 << at(2024, 3, 15, 0, 0, 1) << u"Due"_s;
    QTest::newRow("any-time, late")
        << day << QTime() << 0 << at(2024, 3, 15, 23, 59, 59) << u"Due"_s;
    QTest::newRow("any-time, next day") << day << QTime() << 0 << at(2024, 3, 16) << u"Overdue"_s;
    QTest::newRow("any-time, dismissed")
        << day << QTime() << 1 << at(2024, 3, 15, 8) << u"Not Used"_s;
    QTest::newRow("timed, at its moment")
        << day << QTime(8, 5) << 0 << at(2024, 3, 15, 8, 5) << u"Overdue"_s;
    QTest::newRow("timed, one second before")
        << day << QTime(8, 5) << 0 << at(2024, 3, 15, 8, 4, 59) << u"0:00:00:01"_s;
    QTest::newRow("countdown 3:04:05:06")
        << day << QTime(8, 5, 6) << 0 << at(2024, 3, 12, 4) << u"3:04:05:06"_s;
    QTest::newRow("countdown 12 s")
        << day << QTime(8, 0) << 0 << at(2024, 3, 15, 7, 59, 48) << u"0:00:00:12"_s;
    QTest::newRow("countdown over 99 days")
        << day << QTime(9, 30) << 0 << at(2023, 3, 15, 9, 30) << u"366:00:00:00"_s;
    QTest::newRow("dismissed, pending again")
        << day << QTime(10, 0) << 1 << at(2024, 3, 15, 9) << u"0:01:00:00"_s;
}

void TestMemoSchedule::statusText()
{
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(int, dismissed);
    QFETCH(QDateTime, now);
    QFETCH(QString, status);

    test::FakeClock clock(now);
    MemoRecord memo(clock);
    const QTime stored = time.isValid() ? time : QTime(1, 0);
    setDue(memo, date.year(), date.month(), date.day(), stored.hour(), stored.minute(),
           stored.second());
    memo.anyTime = time.isValid() ? 0 : 1;
    memo.dismissed = dismissed;
    const MemoSchedule schedule(clock);
    QCOMPARE(schedule.statusText(memo), status);
    QCOMPARE(schedule.isDue(memo), !status.contains(u':'));
}

void TestMemoSchedule::advanceRecurrence_data()
{
    QTest::addColumn<int>("recurrence");
    QTest::addColumn<QList<int>>("due"); // year, month, day, hour, minute, second
    QTest::addColumn<int>("anyTime");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QList<int>>("expected"); // year, month, day

    using L = QList<int>;
    QTest::newRow("daily, later that day")
        << 1 << L{2005, 3, 1, 8, 0, 0} << 0 << at(2005, 3, 4, 7) << L{2005, 3, 4};
    QTest::newRow("daily, after the time")
        << 1 << L{2005, 3, 1, 8, 0, 0} << 0 << at(2005, 3, 4, 9) << L{2005, 3, 5};
    QTest::newRow("daily, exactly at the time")
        << 1 << L{2005, 3, 1, 8, 0, 0} << 0 << at(2005, 3, 4, 8) << L{2005, 3, 5};
    QTest::newRow("daily, future takes one step")
        << 1 << L{2005, 3, 10, 8, 0, 0} << 0 << at(2005, 3, 4, 9) << L{2005, 3, 11};
    QTest::newRow("daily, any time uses stored time")
        << 1 << L{2024, 3, 12, 23, 0, 0} << 1 << at(2024, 3, 15, 22) << L{2024, 3, 15};
    QTest::newRow("daily, from year 1")
        << 1 << L{1, 1, 1, 8, 0, 0} << 0 << at(2024, 3, 15, 9) << L{2024, 3, 16};
    QTest::newRow("weekly, same weekday")
        << 2 << L{2005, 3, 1, 8, 0, 0} << 0 << at(2005, 3, 1, 9) << L{2005, 3, 8};
    QTest::newRow("weekly, weeks later")
        << 2 << L{2005, 3, 1, 8, 0, 0} << 0 << at(2005, 4, 20, 9) << L{2005, 4, 26};
    QTest::newRow("monthly, December")
        << 3 << L{2005, 12, 15, 8, 0, 0} << 0 << at(2005, 12, 15, 9) << L{2006, 1, 15};
    QTest::newRow("monthly, 31st skips February")
        << 3 << L{2005, 1, 31, 8, 0, 0} << 0 << at(2005, 1, 31, 9) << L{2005, 3, 31};
    QTest::newRow("monthly, 30th skips February")
        << 3 << L{2005, 1, 30, 8, 0, 0} << 0 << at(2005, 2, 2) << L{2005, 3, 30};
    QTest::newRow("monthly, years behind")
        << 3 << L{2001, 5, 31, 8, 0, 0} << 0 << at(2024, 4, 2) << L{2024, 5, 31};
    QTest::newRow("yearly, 29 February")
        << 4 << L{2004, 2, 29, 8, 0, 0} << 0 << at(2004, 3, 1) << L{2008, 2, 29};
    QTest::newRow("yearly, before this year's date")
        << 4 << L{2001, 6, 1, 8, 0, 0} << 0 << at(2024, 3, 15) << L{2024, 6, 1};
    QTest::newRow("no recurrence")
        << 0 << L{2005, 3, 1, 8, 0, 0} << 0 << at(2006, 1, 1) << L{2005, 3, 1};
    QTest::newRow("unknown recurrence")
        << 7 << L{2005, 3, 1, 8, 0, 0} << 0 << at(2006, 1, 1) << L{2005, 3, 1};
    // Damaged records stay as they are and never hang the step.
    QTest::newRow("month 0") << 3 << L{2005, 0, 1, 8, 0, 0} << 0 << at(2006, 1, 1) << L{2005, 0, 1};
    QTest::newRow("month 13") << 1 << L{2005, 13, 1, 8, 0, 0} << 1 << at(2006, 1, 1)
                              << L{2005, 13, 1};
    QTest::newRow("day 0") << 2 << L{2005, 3, 0, 8, 0, 0} << 0 << at(2006, 1, 1) << L{2005, 3, 0};
    QTest::newRow("day 40") << 3 << L{2005, 3, 40, 8, 0, 0} << 0 << at(2006, 1, 1)
                            << L{2005, 3, 40};
    QTest::newRow("30 February") << 4 << L{2005, 2, 30, 8, 0, 0} << 0 << at(2006, 1, 1)
                                 << L{2005, 2, 30};
    QTest::newRow("hour 99") << 1 << L{2005, 3, 1, 99, 0, 0} << 1 << at(2006, 1, 1)
                             << L{2005, 3, 1};
    QTest::newRow("year far out") << 1 << L{2000000000, 3, 1, 8, 0, 0} << 0 << at(2006, 1, 1)
                                  << L{2000000000, 3, 1};
    QTest::newRow("negative year")
        << 4 << L{-2000000000, 3, 1, 8, 0, 0} << 0 << at(2006, 1, 1) << L{-2000000000, 3, 1};
    QTest::newRow("last year ends")
        << 4 << L{9999, 12, 31, 8, 0, 0} << 0 << at(9999, 12, 31, 9) << L{9999, 12, 31};
    QTest::newRow("last month ends")
        << 3 << L{9999, 12, 1, 8, 0, 0} << 0 << at(9999, 12, 2) << L{9999, 12, 1};
}

void TestMemoSchedule::advanceRecurrence()
{
    QFETCH(int, recurrence);
    QFETCH(QList<int>, due);
    QFETCH(int, anyTime);
    QFETCH(QDateTime, now);
    QFETCH(QList<int>, expected);

    test::FakeClock clock(now);
    MemoRecord memo(clock);
    setDue(memo, due[0], due[1], due[2], due[3], due[4], due[5]);
    memo.anyTime = anyTime;
    memo.recurrence = recurrence;
    MemoSchedule(clock).advanceRecurrence(memo);
    QCOMPARE((QList<int>{memo.dueYear, memo.dueMonth, memo.dueDay}), expected);
    QCOMPARE((QList<int>{memo.dueHour, memo.dueMinute, memo.dueSecond}), due.mid(3));
    QCOMPARE(memo.anyTime, anyTime);
    QCOMPARE(memo.dismissed, 0);
}

void TestMemoSchedule::timeText()
{
    test::FakeClock clock;
    MemoRecord memo(clock);
    setDue(memo, 2024, 3, 5, 8, 5, 0);
    const MemoSchedule plain(clock);
    QCOMPARE(plain.timeText(memo), u"2024-03-05"_s);
    memo.anyTime = 0;
    QCOMPARE(plain.timeText(memo), u"2024-03-05, 08:05:00"_s);

    const MemoSchedule longDates(clock, [](qint32, qint32, qint32) { return QString(300, u'x'); });
    QCOMPARE(longDates.timeText(memo), QString(254, u'x') + u", 08:05:00"_s);

    memo.dueHour = 99;
    QCOMPARE(plain.timeText(memo), MemoSchedule::InvalidDateText);
    QCOMPARE(plain.statusText(memo), MemoSchedule::NeverDueText);
    memo.anyTime = 1; // the stored time does not matter for an any-time memo
    QCOMPARE(plain.timeText(memo), u"2024-03-05"_s);
    memo.dueMonth = 13;
    QCOMPARE(plain.timeText(memo), MemoSchedule::InvalidDateText);
    QVERIFY(!plain.isDue(memo));
    QVERIFY(!plain.isOverdue(memo));
    QCOMPARE(MemoSchedule::countdownText(-3723), u"-0:01:02:03"_s);
}

void TestMemoSchedule::dismissIfDue()
{
    test::FakeClock clock(at(2005, 3, 4, 9));
    const MemoSchedule schedule(clock);
    MemoRecord memo(clock);
    setDue(memo, 2005, 3, 4, 10, 0, 0);
    memo.anyTime = 0;
    memo.recurrence = MemoRecord::NextDay;
    QVERIFY(!schedule.dismissIfDue(memo));
    QCOMPARE(memo.dismissed, 0);
    QCOMPARE(memo.dueDay, 4);

    clock.set(at(2005, 3, 4, 10));
    QVERIFY(schedule.dismissIfDue(memo));
    QCOMPARE(memo.dismissed, 0);
    QCOMPARE(memo.dueDay, 5);
    QCOMPARE(schedule.statusText(memo), u"1:00:00:00"_s);

    // the next occurrence alerts again
    clock.set(at(2005, 3, 5, 10));
    QCOMPARE(schedule.checkAlerts({&memo}).dueRows.size(), size_t(1));

    // a memo that does not recur stays dismissed and quiet
    memo.recurrence = MemoRecord::NoRecurrence;
    QVERIFY(schedule.dismissIfDue(memo));
    QCOMPARE(memo.dismissed, 1);
    QVERIFY(schedule.checkAlerts({&memo}).dueRows.empty());
    QCOMPARE(schedule.statusText(memo), MemoSchedule::NotUsedText);
}

void TestMemoSchedule::alertCheck()
{
    test::FakeClock clock(at(2024, 3, 15, 9, 30));
    std::vector<std::unique_ptr<MemoRecord>> memos;
    auto make = [&](int hour, int dismissed, int beep, int month = 3) {
        auto memo = std::make_unique<MemoRecord>(clock);
        setDue(*memo, 2024, month, 15, hour, 0, 0);
        memo->anyTime = 0;
        memo->dismissed = dismissed;
        memo->beep = beep;
        memos.push_back(std::move(memo));
    };
    make(8, 0, 0);     // due
    make(10, 0, 1);    // pending, would beep
    make(9, 0, 1);     // due, beeps
    make(7, 1, 1);     // dismissed
    make(8, 0, 1, 13); // damaged
    std::vector<const MemoRecord*> rows;
    for (const auto& memo : memos)
        rows.push_back(memo.get());

    const MemoSchedule schedule(clock);
    auto alerts = schedule.checkAlerts(rows);
    QCOMPARE(alerts.dueRows, (std::vector<qsizetype>{0, 2}));
    QVERIFY(alerts.beep);

    memos[2]->dismissed = 1;
    alerts = schedule.checkAlerts(rows);
    QCOMPARE(alerts.dueRows, (std::vector<qsizetype>{0}));
    QVERIFY(!alerts.beep);

    clock.set(at(2024, 3, 15, 7));
    QVERIFY(schedule.checkAlerts(rows).dueRows.empty());
    QCOMPARE(MemoSchedule::sortKey(*memos[4]), std::numeric_limits<MemoSchedule::Moment>::max());
}

void TestMemoSchedule::toneSamples()
{
    const QByteArray bytes = TonePlayer::toneSamples(44100, 450, 75, 25);
    QCOMPARE(bytes.size(), qsizetype((3307 + 1102) * 2));
    const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
    int crossings = 0;
    qint16 peak = 0;
    for (int i = 1; i < 3307; ++i) {
        crossings += (samples[i - 1] < 0) != (samples[i] < 0) ? 1 : 0;
        peak = std::max(peak, samples[i]);
    }
    // 450 Hz for 75 ms: 33.75 periods, two sign changes each.
    QVERIFY2(crossings >= 66 && crossings <= 68, qPrintable(QString::number(crossings)));
    QVERIFY(peak > 9000);
    QVERIFY(std::all_of(samples + 3307, samples + 3307 + 1102, [](qint16 s) { return s == 0; }));
    QVERIFY(TonePlayer::toneSamples(44100, 450, 1'000'000, 0).size() <= 44100 * 10 * 2);
    QVERIFY(TonePlayer::toneSamples(0, 450, 75, 0).isEmpty());
}

} // namespace dvk

using dvk::TestMemoSchedule;
DVK_TEST(TestMemoSchedule);
#include "tst_memoschedule.moc"
