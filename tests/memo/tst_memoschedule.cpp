#include "DvkTest.h"
#include "FakeClock.h"
#include "MemoSchedule.h"
#include "TonePlayer.h"

namespace dvk {
namespace {

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

// A timed memo due at the given moment; damaged values are stored as given.
void setDue(MemoRecord& memo, const QList<int>& due)
{
    memo.dueYear = due.value(0);
    memo.dueMonth = due.value(1);
    memo.dueDay = due.value(2);
    memo.dueHour = due.value(3);
    memo.dueMinute = due.value(4);
    memo.dueSecond = due.value(5);
    memo.anyTime = 0;
}

} // namespace

class TestMemoSchedule final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statusText_data()
    {
        // time: on 2024-03-15; invalid = any time of the day
        addColumns<QTime, int, QDateTime, QString>({"time", "dismissed", "now", "status"});

        QTest::newRow("any-time, midnight") << QTime() << 0 << at(2024, 3, 15) << u"0:00:00:01"_s;
        QTest::newRow("any-time, first second")
            << QTime() << 0 << at(2024, 3, 15, 0, 0, 1) << u"Due"_s;
        QTest::newRow("any-time, next day") << QTime() << 0 << at(2024, 3, 16) << u"Overdue"_s;
        QTest::newRow("any-time, dismissed") << QTime() << 1 << at(2024, 3, 15, 8) << u"Not Used"_s;
        QTest::newRow("timed, at its moment")
            << QTime(8, 5) << 0 << at(2024, 3, 15, 8, 5) << u"Overdue"_s;
        QTest::newRow("timed, one second before")
            << QTime(8, 5) << 0 << at(2024, 3, 15, 8, 4, 59) << u"0:00:00:01"_s;
        QTest::newRow("countdown") << QTime(8, 5, 6) << 0 << at(2024, 3, 12, 4) << u"3:04:05:06"_s;
        QTest::newRow("countdown over 99 days")
            << QTime(9, 30) << 0 << at(2023, 3, 15, 9, 30) << u"366:00:00:00"_s;
        QTest::newRow("dismissed, pending again")
            << QTime(10, 0) << 1 << at(2024, 3, 15, 9) << u"0:01:00:00"_s;
    }

    void statusText()
    {
        const auto [time, dismissed, now, status] =
            fetch<QTime, int, QDateTime, QString>({"time", "dismissed", "now", "status"});

        test::FakeClock clock(now);
        MemoRecord memo(clock);
        const QTime stored = time.isValid() ? time : QTime(1, 0);
        setDue(memo, {2024, 3, 15, stored.hour(), stored.minute(), stored.second()});
        memo.anyTime = time.isValid() ? 0 : 1;
        memo.dismissed = dismissed;
        const MemoSchedule schedule(clock);
        QCOMPARE(schedule.statusText(memo), status);
        QCOMPARE(schedule.isDue(memo), !status.contains(u':'));
    }

    void advanceRecurrence_data()
    {
        using L = QList<int>;
        // due: year, month, day, hour; expected: year, month, day
        addColumns<int, L, int, QDateTime, L>({"recurrence", "due", "anyTime", "now", "expected"});

        const auto row = [](const char* name, int rec, L due, int anyTime, QDateTime now,
                            L expected) {
            QTest::newRow(name) << rec << due << anyTime << now << expected;
        };
        row("daily, later that day", 1, {2005, 3, 1, 8}, 0, at(2005, 3, 4, 7), {2005, 3, 4});
        row("daily, after the time", 1, {2005, 3, 1, 8}, 0, at(2005, 3, 4, 9), {2005, 3, 5});
        row("daily, exactly at the time", 1, {2005, 3, 1, 8}, 0, at(2005, 3, 4, 8), {2005, 3, 5});
        row("daily, future takes one step", 1, {2005, 3, 10, 8}, 0, at(2005, 3, 4, 9),
            {2005, 3, 11});
        row("daily, any time uses stored time", 1, {2024, 3, 12, 23}, 1, at(2024, 3, 15, 22),
            {2024, 3, 15});
        row("daily, from year 1", 1, {1, 1, 1, 8}, 0, at(2024, 3, 15, 9), {2024, 3, 16});
        row("weekly, weeks later", 2, {2005, 3, 1, 8}, 0, at(2005, 4, 20, 9), {2005, 4, 26});
        row("monthly, into December", 3, {2005, 11, 15, 8}, 0, at(2005, 11, 15, 9), {2005, 12, 15});
        row("monthly, December", 3, {2005, 12, 15, 8}, 0, at(2005, 12, 15, 9), {2006, 1, 15});
        row("monthly, 31st skips February", 3, {2005, 1, 31, 8}, 0, at(2005, 1, 31, 9),
            {2005, 3, 31});
        row("monthly, years behind", 3, {2001, 5, 31, 8}, 0, at(2024, 4, 2), {2024, 5, 31});
        row("yearly, 29 February", 4, {2004, 2, 29, 8}, 0, at(2004, 3, 1), {2008, 2, 29});
        row("yearly, before this year's date", 4, {2001, 6, 1, 8}, 0, at(2024, 3, 15),
            {2024, 6, 1});
        row("no recurrence", 0, {2005, 3, 1, 8}, 0, at(2006, 1, 1), {2005, 3, 1});
        row("unknown recurrence", 7, {2005, 3, 1, 8}, 0, at(2006, 1, 1), {2005, 3, 1});
        // Damaged records stay as they are and never hang the step.
        const auto damaged = [&row](const char* name, int rec, L due, int anyTime, QDateTime now) {
            row(name, rec, due, anyTime, now, due.first(3));
        };
        damaged("30 February", 4, {2005, 2, 30, 8}, 0, at(2006, 1, 1));
        damaged("hour 99", 1, {2005, 3, 1, 99}, 1, at(2006, 1, 1));
        damaged("year far out", 1, {2000000000, 3, 1, 8}, 0, at(2006, 1, 1));
        damaged("negative year", 4, {-2000000000, 3, 1, 8}, 0, at(2006, 1, 1));
        damaged("last year ends", 4, {9999, 12, 31, 8}, 0, at(9999, 12, 31, 9));
        damaged("last month ends", 3, {9999, 12, 1, 8}, 0, at(9999, 12, 2));
    }

    void advanceRecurrence()
    {
        const auto [recurrence, due, anyTime, now, expected] =
            fetch<int, QList<int>, int, QDateTime, QList<int>>(
                {"recurrence", "due", "anyTime", "now", "expected"});

        test::FakeClock clock(now);
        MemoRecord memo(clock);
        setDue(memo, due);
        memo.anyTime = anyTime;
        memo.recurrence = recurrence;
        MemoSchedule(clock).advanceRecurrence(memo);
        QCOMPARE((QList<int>{memo.dueYear, memo.dueMonth, memo.dueDay}), expected);
        QCOMPARE((QList<int>{memo.dueHour, memo.dueMinute, memo.dueSecond}),
                 (QList<int>{due[3], 0, 0}));
        QCOMPARE(memo.anyTime, anyTime);
        QCOMPARE(memo.dismissed, 0);
    }

    void timeText()
    {
        test::FakeClock clock;
        MemoRecord memo(clock);
        setDue(memo, {2024, 3, 5, 8, 5, 0});
        const MemoSchedule plain(clock);
        QCOMPARE(plain.timeText(memo), u"2024-03-05, 08:05:00"_s);
        const MemoSchedule longDates(clock,
                                     [](qint32, qint32, qint32) { return QString(300, u'x'); });
        QCOMPARE(longDates.timeText(memo), QString(254, u'x') + u", 08:05:00"_s);

        memo.dueHour = 99;
        QCOMPARE(plain.timeText(memo), u"Invalid date"_s);
        QCOMPARE(plain.statusText(memo), u"Never due"_s);
        memo.anyTime = 1; // the stored time does not matter for an any-time memo
        QCOMPARE(plain.timeText(memo), u"2024-03-05"_s);
        memo.dueMonth = 13;
        QCOMPARE(plain.timeText(memo), u"Invalid date"_s);
        QVERIFY(!plain.isDue(memo));
        QVERIFY(!plain.isOverdue(memo));
        QCOMPARE(MemoSchedule::countdownText(-3723), u"-0:01:02:03"_s);
    }

    void dismissIfDue()
    {
        test::FakeClock clock(at(2005, 3, 4, 9));
        const MemoSchedule schedule(clock);
        MemoRecord memo(clock);
        setDue(memo, {2005, 3, 4, 10});
        memo.recurrence = MemoRecord::NextDay;
        QVERIFY(!schedule.dismissIfDue(memo));
        QCOMPARE((QList<int>{memo.dismissed, memo.dueDay}), (QList<int>{0, 4}));

        clock.set(at(2005, 3, 4, 10));
        QVERIFY(schedule.dismissIfDue(memo));
        QCOMPARE((QList<int>{memo.dismissed, memo.dueDay}), (QList<int>{0, 5}));
        QCOMPARE(schedule.statusText(memo), u"1:00:00:00"_s);

        // the next occurrence alerts again
        clock.set(at(2005, 3, 5, 10));
        QCOMPARE(schedule.checkAlerts({&memo}).dueRows.size(), size_t(1));

        // an overdue any-time memo whose stored time is still ahead moves to today and stays
        // dismissed that day only; the next day it alerts again
        clock.set(at(2005, 3, 8, 9));
        setDue(memo, {2005, 3, 5, 20});
        memo.anyTime = 1;
        QVERIFY(schedule.dismissIfDue(memo));
        QCOMPARE((QList<int>{memo.dismissed, memo.dueDay}), (QList<int>{1, 8}));
        QCOMPARE(schedule.statusText(memo), u"Not Used"_s);
        clock.set(at(2005, 3, 9, 9));
        QCOMPARE(schedule.statusText(memo), u"Overdue"_s);
        QCOMPARE(schedule.checkAlerts({&memo}).dueRows.size(), size_t(1));

        // a memo that does not recur stays dismissed and quiet
        memo.recurrence = MemoRecord::NoRecurrence;
        QVERIFY(schedule.dismissIfDue(memo));
        QCOMPARE(memo.dismissed, 1);
        QVERIFY(schedule.checkAlerts({&memo}).dueRows.empty());
        QCOMPARE(schedule.statusText(memo), u"Not Used"_s);
    }

    void alertCheck()
    {
        test::FakeClock clock(at(2024, 3, 15, 9, 30));
        std::vector<std::unique_ptr<MemoRecord>> memos;
        std::vector<const MemoRecord*> rows;
        // hour, dismissed, beep, month: due; pending, would beep; due, beeps; dismissed; damaged
        for (const auto& [hour, dismissed, beep, month] : std::vector<std::array<int, 4>>{
                 {8, 0, 0, 3}, {10, 0, 1, 3}, {9, 0, 1, 3}, {7, 1, 1, 3}, {8, 0, 1, 13}}) {
            memos.push_back(std::make_unique<MemoRecord>(clock));
            setDue(*memos.back(), {2024, month, 15, hour});
            memos.back()->dismissed = dismissed;
            memos.back()->beep = beep;
            rows.push_back(memos.back().get());
        }
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
        QCOMPARE(MemoSchedule::sortKey(*memos[4]),
                 std::numeric_limits<MemoSchedule::Moment>::max());
    }

    void toneSamples()
    {
        const QByteArray bytes = TonePlayer::toneSamples(44100, 450, 75, 25);
        QCOMPARE(bytes.size(), qsizetype((3307 + 1102) * 2));
        const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
        int crossings = 0;
        for (int i = 1; i < 3307; ++i)
            crossings += (samples[i - 1] < 0) != (samples[i] < 0) ? 1 : 0;
        // 450 Hz for 75 ms: 33.75 periods, two sign changes each.
        QVERIFY2(crossings >= 66 && crossings <= 68, qPrintable(QString::number(crossings)));
        QVERIFY(*std::max_element(samples, samples + 3307) > 9000);
        QVERIFY(
            std::all_of(samples + 3307, samples + 3307 + 1102, [](qint16 s) { return s == 0; }));
        QVERIFY(TonePlayer::toneSamples(44100, 450, 1'000'000, 0).size() <= 44100 * 10 * 2);
        QVERIFY(TonePlayer::toneSamples(0, 450, 75, 0).isEmpty());
    }
};

} // namespace dvk

using dvk::TestMemoSchedule;
DVK_TEST(TestMemoSchedule);
#include "tst_memoschedule.moc"
