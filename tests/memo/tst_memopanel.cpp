#include "FakeClock.h"
#include "FakePrompts.h"
#include "MemoPanel.h"
#include "MemoPropertyDialog.h"
#include "SettingsStore.h"
#include "TestRegistry.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

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
    QStringList texts;
    for (int row = 0; row < panel.model()->rowCount(); ++row)
        texts << panel.model()->index(row, column).data().toString();
    return texts;
}

QList<int> selectedRows(const MemoPanel& panel)
{
    QList<int> rows;
    const QModelIndexList selected = panel.view()->selectionModel()->selectedRows();
    for (const QModelIndex& index : selected)
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void select(MemoPanel& panel, const QList<int>& rows)
{
    panel.view()->clearSelection();
    for (const int row : rows)
        panel.view()->selectionModel()->select(
            panel.model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

} // namespace

class TestMemoPanel final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void columnWidths_data();
    void columnWidths();
    void sortedRows();
    void alertCheck();
    void okRule_data();
    void okRule();
    void dialogControls();
    void addAndEdit();
    void cancelDismissesDueMemo();
    void contextMenuAndRemove();
    void chooseImage();
};

void TestMemoPanel::columnWidths_data()
{
    QTest::addColumn<int>("base"); // average character width of the list's font
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("200") << 6 << 200 << QList<int>{66, 66, 68};
    QTest::newRow("230") << 6 << 230 << QList<int>{76, 76, 78};
    QTest::newRow("231") << 6 << 231 << QList<int>{150, 80, 1};
    QTest::newRow("400") << 6 << 400 << QList<int>{150, 80, 170};
    QTest::newRow("wider font, 345") << 9 << 345 << QList<int>{115, 115, 115};
    QTest::newRow("wider font, 400") << 9 << 400 << QList<int>{225, 120, 55};
}

void TestMemoPanel::columnWidths()
{
    QFETCH(int, base);
    QFETCH(int, width);
    QFETCH(QList<int>, widths);
    const auto computed = MemoPanel::columnWidths(width, DialogUnits(base, 13));
    QCOMPARE((QList<int>{computed[0], computed[1], computed[2]}), widths);

    // The panel applies the rule to its list's client width after every resize.
    test::FakeClock clock(Now);
    RecordList<MemoRecord> memos(clock);
    MemoPanel panel(memos, clock);
    panel.show();
    const int frame = panel.view()->frameWidth() * 2;
    panel.resize(width + frame, 300);
    QCoreApplication::processEvents();
    QCOMPARE(panel.view()->viewport()->width(), width);
    const QHeaderView* header = panel.view()->horizontalHeader();
    const auto shown = MemoPanel::columnWidths(width, DialogUnits(panel.view()->font()));
    QCOMPARE((QList<int>{header->sectionSize(0), header->sectionSize(1), header->sectionSize(2)}),
             (QList<int>{shown[0], shown[1], shown[2]}));
}

void TestMemoPanel::sortedRows()
{
    test::FakeClock clock(Now);
    RecordList<MemoRecord> memos(clock);
    addMemo(memos, Now.addDays(2), "later");
    addMemo(memos, Now.addSecs(3723), "soon");
    addMemo(memos, Now.addDays(-1), "yesterday")->dueMonth = 13;
    MemoRecord* anyTime =
        addMemo(memos, QDateTime(Now.date().addDays(1), QTime(23, 0)), "tomorrow");
    anyTime->anyTime = 1; // due at 00:00:01, whatever its stored time
    MemoPanel panel(memos, clock);
    QCOMPARE(column(panel, 2), (QStringList{u"soon"_s, u"tomorrow"_s, u"later"_s, u"yesterday"_s}));
    QCOMPARE(column(panel, 1), (QStringList{u"0:01:02:03"_s, u"0:14:30:01"_s, u"2:00:00:00"_s,
                                            MemoSchedule::NeverDueText}));
    QCOMPARE(column(panel, 0).last(), MemoSchedule::InvalidDateText);
    QVERIFY(column(panel, 0).first().endsWith(u", 10:32:03"_s));
}

void TestMemoPanel::alertCheck()
{
    test::FakeClock clock(Now);
    RecordList<MemoRecord> memos(clock);
    addMemo(memos, Now.addSecs(60), "pending");
    addMemo(memos, Now.addSecs(15), "beeps", 1);
    addMemo(memos, Now.addSecs(5), "quiet");
    addMemo(memos, Now.addSecs(-5), "dismissed", 1, 1);
    MemoPanel panel(memos, clock);
    QSignalSpy alerts(&panel, &MemoPanel::memoAlert);

    panel.checkAlerts();
    QCOMPARE(alerts.count(), 0);
    QVERIFY(selectedRows(panel).isEmpty());
    QVERIFY(!panel.isBeeping());

    clock.advance(20);
    panel.checkAlerts();
    QCOMPARE(alerts.count(), 1);
    QCOMPARE(column(panel, 2), (QStringList{u"dismissed"_s, u"quiet"_s, u"beeps"_s, u"pending"_s}));
    QCOMPARE(selectedRows(panel), (QList<int>{1, 2}));
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

void TestMemoPanel::okRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("moment"); // invalid time: any time of that day
    QTest::addColumn<int>("wait");         // seconds the clock moves on with the dialog open
    QTest::addColumn<bool>("enabled");

    QTest::newRow("60 s ahead") << u"x"_s << Now.addSecs(60) << 0 << false;
    QTest::newRow("61 s ahead") << u"x"_s << Now.addSecs(61) << 0 << true;
    QTest::newRow("in the past") << u"x"_s << Now.addSecs(-3600) << 0 << false;
    QTest::newRow("blank text") << u"  \t "_s << Now.addDays(1) << 0 << false;
    QTest::newRow("any time today") << u"x"_s << QDateTime(Now.date(), QTime()) << 0 << false;
    QTest::newRow("any time tomorrow")
        << u"x"_s << QDateTime(Now.date().addDays(1), QTime()) << 0 << true;
    // The once-a-second check turns OK off by itself as the moment nears.
    QTest::newRow("moment nears") << u"call"_s << Now.addSecs(90) << 30 << false;
}

void TestMemoPanel::okRule()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, moment);
    QFETCH(int, wait);
    QFETCH(bool, enabled);

    test::FakeClock clock(Now);
    MemoPropertyDialog dialog(clock);
    QVERIFY(!dialog.isOkEnabled());
    dialog.setText(text);
    dialog.setDate(moment.date());
    if (moment.time().isValid())
        dialog.setTime(moment.time());
    QCOMPARE(dialog.anyTime(), !moment.time().isValid());
    if (wait > 0) {
        QTRY_VERIFY(dialog.isOkEnabled());
        clock.advance(wait);
    }
    QTRY_COMPARE_WITH_TIMEOUT(dialog.isOkEnabled(), enabled, 2500);
}

void TestMemoPanel::dialogControls()
{
    test::FakeClock clock(Now);
    MemoPropertyDialog dialog(clock);
    QCOMPARE(dialog.date(), Now.addSecs(12 * 3600 + 12 * 60 + 12).date());
    QCOMPARE(dialog.time(), QTime(21, 42, 12));
    QVERIFY(dialog.anyTime());
    QCOMPARE(dialog.recurrence(), 0);
    QStringList captions;
    const QList<QAbstractButton*> buttons = dialog.findChildren<QAbstractButton*>();
    for (const QAbstractButton* button : buttons)
        captions << button->text();
    QVERIFY(captions.contains(MemoPropertyDialog::AnyTimeCaption));
    QVERIFY(captions.contains(u"Next month"_s));

    // Enter in the text box adds no line and does not close the dialog.
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    auto* text = dialog.findChild<QPlainTextEdit*>();
    dialog.setText(u"buy milk"_s);
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClick(text, Qt::Key_Enter);
    QCOMPARE(dialog.text(), u"buy milk"_s);
    QCOMPARE(finished.count(), 0);

    // A stored text longer than anyone may type is kept whole; typing at the limit adds nothing.
    MemoRecord memo(clock);
    memo.text = QByteArray(300, 'a') + "\xc2\xa0z";
    dialog.loadFrom(memo);
    QTest::keyClick(text, Qt::Key_B);
    MemoRecord stored(clock);
    dialog.storeInto(stored);
    QCOMPARE(stored.text, memo.text);
}

void TestMemoPanel::addAndEdit()
{
    test::FakeClock clock(Now);
    RecordList<MemoRecord> memos(clock);
    addMemo(memos, Now.addDays(3), "far");
    addMemo(memos, Now.addSecs(10), "near");
    MemoPanel panel(memos, clock);
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
    QCOMPARE(selectedRows(panel), QList<int>{1});
    QCOMPARE(SettingsStore().readNumber(SettingsStore::BeepFlag), std::optional<quint32>(1));

    // OK on a due memo stores it and clears dismissed; the new moment is ahead, so it stays.
    clock.advance(60);
    MemoRecord* near = memos.at(1);
    near->dismissed = 1;
    select(panel, {0});
    panel.edit();
    QCOMPARE(near->text, QByteArray("dentist"));
    QCOMPARE(near->dismissed, 0);
    QCOMPARE(near->recurrence, 2);
}

void TestMemoPanel::cancelDismissesDueMemo()
{
    test::FakeClock clock(Now);
    RecordList<MemoRecord> memos(clock);
    MemoRecord* once = addMemo(memos, Now.addSecs(-60), "once");
    MemoRecord* daily = addMemo(memos, Now.addSecs(-30), "daily");
    daily->recurrence = MemoRecord::NextDay;
    MemoPanel panel(memos, clock);
    panel.setDialogRunner([](MemoPropertyDialog&) { return false; });

    panel.edit(); // nothing selected: nothing happens
    QCOMPARE(once->dismissed, 0);
    select(panel, {0, 1});
    panel.edit();
    QCOMPARE(once->dismissed, 1);
    QCOMPARE(daily->dismissed, 0);
    QCOMPARE(column(panel, 1).first(), MemoSchedule::NotUsedText);
    select(panel, {1});
    panel.edit();
    QCOMPARE(daily->dismissed, 0);
    QCOMPARE(daily->dueDay, 16);
    QCOMPARE(column(panel, 1).last(), u"0:23:59:30"_s);
}

void TestMemoPanel::contextMenuAndRemove()
{
    test::FakeClock clock(Now);
    RecordList<MemoRecord> memos(clock);
    for (const char* text : {"a", "b", "c", "d"})
        addMemo(memos, Now.addDays(memos.count() + 1), text);
    MemoPanel panel(memos, clock);
    test::FakePrompts prompts;

    auto enabled = [&panel] {
        QList<bool> states;
        const auto menu = panel.makeContextMenu();
        const QList<QAction*> actions = menu->actions();
        for (const QAction* action : actions) {
            if (!action->isSeparator())
                states << action->isEnabled();
        }
        return states;
    };
    QCOMPARE(enabled(), (QList<bool>{true, false, false, false}));
    select(panel, {1});
    QCOMPARE(enabled(), (QList<bool>{true, true, true, true}));
    select(panel, {0, 2, 3});
    QCOMPARE(enabled(), (QList<bool>{true, false, false, true}));

    prompts.answers = {Prompts::Answer::No};
    panel.remove();
    QCOMPARE(memos.count(), 4);
    prompts.answers = {Prompts::Answer::Yes};
    panel.remove();
    QCOMPARE(prompts.messages,
             (QStringList{u"Remove selected Items?"_s, u"Remove selected Items?"_s}));
    QCOMPARE(memos.count(), 1);
    QCOMPARE(memos.at(0)->text, QByteArray("b"));
    QCOMPARE(column(panel, 2), QStringList{u"b"_s});
    panel.remove(); // nothing selected: no question
    QCOMPARE(prompts.messages.size(), 2);
}

void TestMemoPanel::chooseImage()
{
    test::FakeClock clock(Now);
    RecordList<MemoRecord> memos(clock);
    addMemo(memos, Now.addDays(1), "a")->imageIndex = 4;
    addMemo(memos, Now.addDays(2), "b");
    addMemo(memos, Now.addDays(3), "c");
    MemoPanel panel(memos, clock);
    int offered = -1;
    panel.setIconChooser([&offered](QWidget*, int current) -> std::optional<int> {
        offered = current;
        return 7;
    });
    select(panel, {0, 1});
    panel.chooseImage();
    QCOMPARE(offered, 4);
    QCOMPARE(
        (QList<int>{memos.at(0)->imageIndex, memos.at(1)->imageIndex, memos.at(2)->imageIndex}),
        (QList<int>{7, 7, 0}));
}

} // namespace dvk

using dvk::TestMemoPanel;
DVK_TEST(TestMemoPanel);
#include "tst_memopanel.moc"
