#include "DvkTest.h"
#include "FakeClock.h"
#include "FakePrompts.h"
#include "MemoPanel.h"
#include "MemoPropertyDialog.h"
#include "MemoSchedule.h"
#include "SettingsStore.h"
#include "TonePlayer.h"
#include "ViewRows.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

namespace {

const QDateTime Now(QDate(2024, 3, 15), QTime(9, 30));

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

// A timed memo due at the given moment; damaged values are stored as given.
void setDue(MemoRecord& memo, const QList<int>& due)
{
    std::tie(memo.dueYear, memo.dueMonth, memo.dueDay) =
        std::tuple(due.value(0), due.value(1), due.value(2));
    std::tie(memo.dueHour, memo.dueMinute, memo.dueSecond, memo.anyTime) =
        std::tuple(due.value(3), due.value(4), due.value(5), 0);
}

MemoRecord* addMemo(RecordList<MemoRecord>& memos, const QDateTime& due, const char* text,
                    int beep = 0, int dismissed = 0)
{
    MemoRecord* memo = memos.add();
    const QDate d = due.date();
    const QTime t = due.time();
    setDue(*memo, {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()});
    std::tie(memo->text, memo->beep, memo->dismissed) =
        std::tuple(QByteArray(text), beep, dismissed);
    return memo;
}

QStringList column(const MemoPanel& panel, int column)
{
    return test::column(*panel.model(), column);
}

} // namespace

class TestMemoPanel final : public QObject
{
    Q_OBJECT

    test::FakeClock m_clock{Now};
    std::unique_ptr<RecordList<MemoRecord>> m_memos;

private Q_SLOTS:
    void init()
    {
        m_clock.set(Now);
        m_memos = std::make_unique<RecordList<MemoRecord>>(m_clock);
    }

    void columnWidths_data()
    {
        // base: average character width of the list's font
        addColumns<int, int, QList<int>>({"base", "width", "widths"});
        QTest::newRow("230") << 6 << 230 << QList<int>{76, 76, 78};
        QTest::newRow("231") << 6 << 231 << QList<int>{150, 80, 1};
        QTest::newRow("400") << 6 << 400 << QList<int>{150, 80, 170};
        QTest::newRow("wider font, 345") << 9 << 345 << QList<int>{115, 115, 115};
        QTest::newRow("wider font, 400") << 9 << 400 << QList<int>{225, 120, 55};
    }

    void columnWidths()
    {
        const auto [base, width] = fetch<int, int>({"base", "width"});
        const auto computed = MemoPanel::columnWidths(width, DialogUnits(base, 13));
        QTEST((QList<int>{computed[0], computed[1], computed[2]}), "widths");

        // The panel applies the rule to its list's client width after every resize.
        RecordList<MemoRecord>& memos = *m_memos;
        MemoPanel panel(memos, m_clock);
        panel.show();
        const int frame = panel.view()->frameWidth() * 2;
        panel.resize(width + frame, 300);
        QCoreApplication::processEvents();
        QCOMPARE(panel.view()->viewport()->width(), width);
        const QHeaderView* header = panel.view()->horizontalHeader();
        const auto shown = MemoPanel::columnWidths(width, DialogUnits(panel.view()->font()));
        QCOMPARE(
            (QList<int>{header->sectionSize(0), header->sectionSize(1), header->sectionSize(2)}),
            (QList<int>{shown[0], shown[1], shown[2]}));
    }

    void sortedRows()
    {
        RecordList<MemoRecord>& memos = *m_memos;
        addMemo(memos, Now.addDays(2), "later");
        addMemo(memos, Now.addSecs(3723), "soon");
        addMemo(memos, Now.addDays(-1), "yesterday")->dueMonth = 13;
        MemoRecord* anyTime =
            addMemo(memos, QDateTime(Now.date().addDays(1), QTime(23, 0)), "tomorrow");
        anyTime->anyTime = 1; // due at 00:00:01, whatever its stored time
        MemoPanel panel(memos, m_clock);
        QCOMPARE(column(panel, 2),
                 (QStringList{u"soon"_s, u"tomorrow"_s, u"later"_s, u"yesterday"_s}));
        QCOMPARE(column(panel, 0).last(), u"Invalid date"_s);
    }

    void alertCheck()
    {
        RecordList<MemoRecord>& memos = *m_memos;
        addMemo(memos, Now.addSecs(60), "pending");
        addMemo(memos, Now.addSecs(15), "beeps", 1);
        addMemo(memos, Now.addSecs(5), "quiet");
        addMemo(memos, Now.addSecs(-5), "dismissed", 1, 1);
        addMemo(memos, Now.addSecs(-9), "damaged", 1)->dueMonth = 13;
        MemoPanel panel(memos, m_clock);
        QSignalSpy alerts(&panel, &MemoPanel::memoAlert);

        panel.checkAlerts();
        QCOMPARE(alerts.count(), 0);
        QVERIFY(test::selectedRows(*panel.view()).isEmpty());
        QVERIFY(!panel.isBeeping());

        // A due memo without beep and a dismissed one with it make no sound.
        m_clock.advance(10);
        panel.checkAlerts();
        QCOMPARE(test::selectedRows(*panel.view()), (QList<int>{1}));
        QVERIFY(!panel.isBeeping());

        m_clock.advance(10);
        panel.checkAlerts();
        QCOMPARE(alerts.count(), 2);
        QCOMPARE(column(panel, 2),
                 (QStringList{u"dismissed"_s, u"quiet"_s, u"beeps"_s, u"pending"_s, u"damaged"_s}));
        QCOMPARE(test::selectedRows(*panel.view()), (QList<int>{1, 2}));
        QVERIFY(panel.isBeeping());

        // A key in the list stops the beep; the next tick starts it again.
        QTest::keyClick(panel.view(), Qt::Key_Down);
        QVERIFY(!panel.isBeeping());
        panel.checkAlerts();
        QCOMPARE(alerts.count(), 3);
        QVERIFY(panel.isBeeping());
        QTest::mouseClick(panel.view()->viewport(), Qt::RightButton);
        QVERIFY(!panel.isBeeping());
    }

    void okRule_data()
    {
        // moment: invalid time: any time of that day; wait: seconds the clock moves on with the
        // dialog open
        addColumns<QString, QDateTime, int, bool>({"text", "moment", "wait", "enabled"});

        QTest::newRow("60 s ahead") << u"x"_s << Now.addSecs(60) << 0 << false;
        QTest::newRow("61 s ahead") << u"x"_s << Now.addSecs(61) << 0 << true;
        QTest::newRow("blank text") << u"  \t "_s << Now.addDays(1) << 0 << false;
        QTest::newRow("any time today") << u"x"_s << QDateTime(Now.date(), QTime()) << 0 << false;
        QTest::newRow("any time tomorrow")
            << u"x"_s << QDateTime(Now.date().addDays(1), QTime()) << 0 << true;
        // The once-a-second check turns OK off by itself as the moment nears.
        QTest::newRow("moment nears") << u"call"_s << Now.addSecs(90) << 30 << false;
    }

    void okRule()
    {
        const auto [text, moment, wait, enabled] =
            fetch<QString, QDateTime, int, bool>({"text", "moment", "wait", "enabled"});

        MemoPropertyDialog dialog(m_clock);
        QVERIFY(!dialog.isOkEnabled());
        dialog.setText(text);
        dialog.setDate(moment.date());
        if (moment.time().isValid())
            dialog.setTime(moment.time());
        QCOMPARE(dialog.anyTime(), !moment.time().isValid());
        QCoreApplication::processEvents(); // the queued refresh of the OK button
        if (wait > 0) {
            QTRY_VERIFY(dialog.isOkEnabled());
            m_clock.advance(wait);
        }
        QTRY_COMPARE_WITH_TIMEOUT(dialog.isOkEnabled(), enabled, 2500);
    }

    void dialogControls()
    {
        MemoPropertyDialog dialog(m_clock);
        QCOMPARE(dialog.date(), Now.addSecs(12 * 3600 + 12 * 60 + 12).date());
        QCOMPARE(dialog.time(), QTime(21, 42, 12));
        QVERIFY(dialog.anyTime());
        QCOMPARE(dialog.recurrence(), 0);
        QStringList captions;
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            captions << button->text();
        QVERIFY(captions.contains(u"   Any time of the day"_s) &&
                captions.contains(u"Next month"_s));

        // Enter in the text box adds no line and does not close the dialog.
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.show();
        auto* text = dialog.findChild<QPlainTextEdit*>();
        dialog.setText(u"buy milk"_s);
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClick(text, Qt::Key_Enter);
        QCOMPARE(dialog.text(), u"buy milk"_s);
        QCOMPARE(finished.count(), 0);

        // A stored text longer than anyone may type is kept whole; typing at the limit adds
        // nothing.
        MemoRecord memo(m_clock);
        memo.text = QByteArray(300, 'a') + "\xc2\xa0z";
        dialog.loadFrom(memo);
        QTest::keyClick(text, Qt::Key_B);
        MemoRecord stored(m_clock);
        dialog.storeInto(stored);
        QCOMPARE(stored.text, memo.text);
    }

    void addAndEdit()
    {
        RecordList<MemoRecord>& memos = *m_memos;
        addMemo(memos, Now.addDays(3), "far");
        addMemo(memos, Now.addSecs(10), "near");
        MemoPanel panel(memos, m_clock);
        panel.setDialogRunner([](MemoPropertyDialog& dialog) {
            dialog.setText(u"  dentist  "_s);
            dialog.setDate(QDate(2024, 3, 16));
            dialog.setTime(QTime(8, 15));
            dialog.setBeep(true);
            dialog.setRecurrence(2);
            dialog.refreshOkButton();
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            return dialog.result() == QDialog::Accepted;
        });
        panel.add();
        QCOMPARE(memos.count(), 3);
        const MemoRecord* added = memos.at(2);
        QCOMPARE(added->text, QByteArray("dentist"));
        QCOMPARE((QList<int>{added->dueYear, added->dueMonth, added->dueDay, added->dueHour,
                             added->dueMinute, added->anyTime, added->beep, added->recurrence}),
                 (QList<int>{2024, 3, 16, 8, 15, 0, 1, 2}));
        QCOMPARE(column(panel, 2), (QStringList{u"near"_s, u"dentist"_s, u"far"_s}));
        QCOMPARE(test::selectedRows(*panel.view()), QList<int>{1});
        QCOMPARE(SettingsStore().readNumber(SettingsStore::BeepFlag), std::optional<quint32>(1));

        // OK on a due memo stores it and clears dismissed; the new moment is ahead, so it stays.
        m_clock.advance(60);
        MemoRecord* near = memos.at(1);
        near->dismissed = 1;
        test::selectRows(*panel.view(), {0});
        panel.edit();
        QCOMPARE(near->text, QByteArray("dentist"));
        QCOMPARE(near->dismissed, 0);
        QCOMPARE(near->recurrence, 2);
    }

    void cancelDismissesDueMemo()
    {
        RecordList<MemoRecord>& memos = *m_memos;
        MemoRecord* once = addMemo(memos, Now.addSecs(-60), "once");
        MemoRecord* daily = addMemo(memos, Now.addSecs(-30), "daily");
        daily->recurrence = MemoRecord::NextDay;
        MemoPanel panel(memos, m_clock);
        panel.setDialogRunner([](MemoPropertyDialog&) { return false; });

        panel.edit(); // nothing selected: nothing happens
        QCOMPARE(once->dismissed, 0);
        test::selectRows(*panel.view(), {0, 1});
        panel.edit();
        QCOMPARE(once->dismissed, 1);
        QCOMPARE(daily->dismissed, 0);
        QCOMPARE(column(panel, 1).first(), u"Not Used"_s);
        test::selectRows(*panel.view(), {1});
        panel.edit();
        QCOMPARE(daily->dismissed, 0);
        QCOMPARE(daily->dueDay, 16);
        QCOMPARE(column(panel, 1).last(), u"0:23:59:30"_s);
    }

    void contextMenuImageAndRemove()
    {
        RecordList<MemoRecord>& memos = *m_memos;
        for (const char* text : {"a", "b", "c", "d"})
            addMemo(memos, Now.addDays(memos.count() + 1), text);
        memos.at(0)->imageIndex = 4;
        MemoPanel panel(memos, m_clock);
        test::FakePrompts prompts;

        const auto enabled = [&panel] {
            return test::enabledEntries(*panel.makeContextMenu());
        };
        QCOMPARE(enabled(), u"Add..."_s);
        test::selectRows(*panel.view(), {1});
        QCOMPARE(enabled(), u"Add...|Edit...|Image...|Remove"_s);
        test::selectRows(*panel.view(), {0, 2, 3});
        QCOMPARE(enabled(), u"Add...|Remove"_s);

        // Image... goes to every selected memo and offers the first one's icon.
        int offered = -1;
        panel.setIconChooser([&offered](QWidget*, int current) -> std::optional<int> {
            offered = current;
            return 7;
        });
        panel.chooseImage();
        QCOMPARE(offered, 4);
        QCOMPARE((QList<int>{memos.at(0)->imageIndex, memos.at(1)->imageIndex,
                             memos.at(2)->imageIndex, memos.at(3)->imageIndex}),
                 (QList<int>{7, 0, 7, 7}));

        prompts.answers = {Prompts::Answer::No};
        panel.remove();
        QCOMPARE(memos.count(), 4);
        prompts.answers = {Prompts::Answer::Yes};
        panel.remove();
        QCOMPARE(prompts.messages, QStringList(2, u"Remove selected Items?"_s));
        QCOMPARE(memos.count(), 1);
        QCOMPARE(memos.at(0)->text, QByteArray("b"));
        QCOMPARE(column(panel, 2), QStringList{u"b"_s});
        panel.remove(); // nothing selected: no question
        QCOMPARE(prompts.messages.size(), 2);
    }
    void statusText_data()
    {
        // time: on 2024-03-15; invalid = any time of the day
        addColumns<QTime, int, QDateTime, QString>({"time", "dismissed", "now", "status"});

        QTest::newRow("any-time, midnight") << QTime() << 0 << at(2024, 3, 15) << u"0:00:00:01"_s;
        QTest::newRow("any-time, first second")
            << QTime() << 0 << at(2024, 3, 15, 0, 0, 1) << u"Due"_s;
        QTest::newRow("any-time, dismissed") << QTime() << 1 << at(2024, 3, 15, 8) << u"Not Used"_s;
        QTest::newRow("timed, at its moment")
            << QTime(8, 5) << 0 << at(2024, 3, 15, 8, 5) << u"Overdue"_s;
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

DVK_TEST(TestMemoPanel);

#include "tst_memo.moc"
