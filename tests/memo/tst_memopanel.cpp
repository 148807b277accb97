#include "DvkTest.h"
#include "FakeClock.h"
#include "FakePrompts.h"
#include "MemoPanel.h"
#include "MemoPropertyDialog.h"
#include "SettingsStore.h"
#include "ViewRows.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

namespace dvk {
namespace {

const QDateTime Now(QDate(2024, 3, 15), QTime(9, 30));

MemoRecord* addMemo(RecordList<MemoRecord>& memos, const QDateTime& due, const char* text,
                    int beep = 0, int dismissed = 0)
{
    MemoRecord* memo = memos.add();
    const QDate d = due.date();
    const QTime t = due.time();
    std::tie(memo->dueYear, memo->dueMonth, memo->dueDay) =
        std::tuple(d.year(), d.month(), d.day());
    std::tie(memo->dueHour, memo->dueMinute, memo->dueSecond) =
        std::tuple(t.hour(), t.minute(), t.second());
    std::tie(memo->anyTime, memo->text, memo->beep, memo->dismissed) =
        std::tuple(0, QByteArray(text), beep, dismissed);
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
        QCOMPARE(column(panel, 1),
                 (QStringList{u"0:01:02:03"_s, u"0:14:30:01"_s, u"2:00:00:00"_s, u"Never due"_s}));
        QCOMPARE(column(panel, 0).last(), u"Invalid date"_s);
        QVERIFY(column(panel, 0).first().endsWith(u", 10:32:03"_s));
    }

    void alertCheck()
    {
        RecordList<MemoRecord>& memos = *m_memos;
        addMemo(memos, Now.addSecs(60), "pending");
        addMemo(memos, Now.addSecs(15), "beeps", 1);
        addMemo(memos, Now.addSecs(5), "quiet");
        addMemo(memos, Now.addSecs(-5), "dismissed", 1, 1);
        MemoPanel panel(memos, m_clock);
        QSignalSpy alerts(&panel, &MemoPanel::memoAlert);

        panel.checkAlerts();
        QCOMPARE(alerts.count(), 0);
        QVERIFY(test::selectedRows(*panel.view()).isEmpty());
        QVERIFY(!panel.isBeeping());

        m_clock.advance(20);
        panel.checkAlerts();
        QCOMPARE(alerts.count(), 1);
        QCOMPARE(column(panel, 2),
                 (QStringList{u"dismissed"_s, u"quiet"_s, u"beeps"_s, u"pending"_s}));
        QCOMPARE(test::selectedRows(*panel.view()), (QList<int>{1, 2}));
        QVERIFY(panel.isBeeping());

        // A key in the list stops the beep; the next tick starts it again.
        QTest::keyClick(panel.view(), Qt::Key_Down);
        QVERIFY(!panel.isBeeping());
        panel.checkAlerts();
        QCOMPARE(alerts.count(), 2);
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
};

} // namespace dvk

using dvk::TestMemoPanel;
DVK_TEST(TestMemoPanel);
#include "tst_memopanel.moc"
