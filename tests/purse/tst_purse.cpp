#include "DvkTest.h"
#include "FakeClock.h"
#include "FakePrompts.h"
#include "NumberFormat.h"
#include "PurseAmount.h"
#include "PurseCategoryDialog.h"
#include "PurseCategoryList.h"
#include "PurseColumnWidths.h"
#include "PurseEntryList.h"
#include "PursePanel.h"
#include "PurseRecordDialog.h"
#include "PurseStatistics.h"
#include "PurseStatsList.h"
#include "PurseTotalBox.h"
#include "PurseTotals.h"
#include "RecordBuilders.h"
#include "ViewRows.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <vector>

// An entry of a test table.
struct EntryRow
{
    QDate date;
    double amount = 0.0;
};
using EntryRows = QList<EntryRow>;

Q_DECLARE_METATYPE(EntryRows)

namespace {

// The eight cells of columns 1 and 2, row by row, joined by '|'; blank cells are empty.
QString cells(const PurseStatistics& stats)
{
    QStringList texts;
    for (int row = 0; row < PurseStatistics::RowCount; ++row)
        texts << stats.text(row, 1) << stats.text(row, 2);
    return texts.join(u'|');
}

EntryRow on(int y, int m, int d, double amount)
{
    return {QDate(y, m, d), amount};
}

} // namespace

class TestPursePanel final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_store = std::make_unique<RecordList<PurseCategory>>(m_clock);
        addCategory("rent", {500.0, 500.0});
        addCategory("Food", {12.5, 7.5, 30.0});
        addCategory("books", {});
        addCategory("car", {-20.0, 100.0});
        m_panel = std::make_unique<PursePanel>(*m_store, m_clock);
        m_panel->resize(640, 400);
        m_panel->relayout();
    }

    void cleanup()
    {
        m_panel.reset();
        m_store.reset();
    }

    void menus_data()
    {
        // shown: the category whose entries are listed
        addColumns<QList<int>, QList<int>, QString, QString, QString, QString>(
            {"categoryRows", "entryRows", "categoryMenu", "entryMenu", "total", "shown"});

        const QList<int> none;
        QTest::newRow("no category")
            << none << none << u"Add..."_s << QString() << u"1130.00"_s << QString();
        QTest::newRow("empty category") << QList<int>{0} << none << u"Add...|Edit...|Remove"_s
                                        << u"Add..."_s << u"0.00"_s << u"books"_s;
        // Two entries are enough to reverse.
        QTest::newRow("nothing selected") << QList<int>{1} << none << u"Add...|Edit...|Remove"_s
                                          << u"Add...|Reverse Order"_s << u"80.00"_s << u"car"_s;
        QTest::newRow("one entry")
            << QList<int>{2} << QList<int>{1} << u"Add...|Edit...|Remove"_s
            << u"Add...|Edit...|Reverse Order|Remove"_s << u"50.00"_s << u"Food"_s;
        // The first row shown, not the first one selected, lists its entries.
        QTest::newRow("two entries")
            << QList<int>{3, 2} << QList<int>{0, 2} << u"Add...|Remove"_s
            << u"Add...|Reverse Order|Remove"_s << u"1050.00"_s << u"Food"_s;
    }

    void menus()
    {
        const auto [categoryRows, entryRows, categoryMenu, entryMenu, total, shown] =
            fetch<QList<int>, QList<int>, QString, QString, QString, QString>(
                {"categoryRows", "entryRows", "categoryMenu", "entryMenu", "total", "shown"});

        test::FakePrompts prompts;
        PurseCategoryList& categories = *m_panel->purseCategoryList();
        PurseEntryList& entries = *m_panel->purseEntryList();
        QCOMPARE(m_panel->purseTotalBox()->text(), u"1130.00"_s);
        test::selectRows(categories, categoryRows);
        QTRY_COMPARE(m_panel->purseTotalBox()->text(), total);
        settle();
        const PurseCategory* category = entries.category();
        QCOMPARE(category ? QString::fromLatin1(category->name) : QString(), shown);
        test::selectRows(entries, entryRows);
        QCOMPARE(test::enabledEntries(*categories.makeContextMenu()), categoryMenu);
        QCOMPARE(test::enabledEntries(*entries.makeContextMenu()), entryMenu);

        if (categoryRows.isEmpty()) {
            // Every entry command does nothing without a category.
            bool asked = false;
            entries.setDialogRunner([&asked](QDialog&) { return asked = true; });
            entries.add();
            entries.edit();
            entries.remove();
            entries.reverseOrder();
            QVERIFY(!asked);
            QVERIFY(prompts.messages.isEmpty());
            QVERIFY(entries.isOldestFirst());
        }
    }

    void newEntryStaysSelected_data()
    {
        addColumns<bool, QDate, int>({"reversed", "date", "row"});

        QTest::newRow("earliest, oldest first") << false << QDate(2004, 12, 1) << 0;
        QTest::newRow("earliest, newest first") << true << QDate(2004, 12, 1) << 3;
        QTest::newRow("in between") << false << QDate(2005, 1, 9) << 2;
    }

    void newEntryStaysSelected()
    {
        const auto [reversed, date, row] = fetch<bool, QDate, int>({"reversed", "date", "row"});

        PurseCategoryList& categories = *m_panel->purseCategoryList();
        PurseEntryList& entries = *m_panel->purseEntryList();
        test::selectRows(categories, {2});
        settle();
        if (reversed)
            entries.reverseOrder();
        entries.setDialogRunner([&date](QDialog& dialog) {
            auto& record = static_cast<PurseRecordDialog&>(dialog);
            record.setDate(date);
            record.setNoteText(u"  new  "_s);
            record.setAmountText(u"4.5 tea"_s);
            return true;
        });
        entries.add();
        QCOMPARE(entries.selectedRowNumbers(), QList<int>{row});
        const PurseEntry* added = entries.entryModel()->recordAt(row);
        QCOMPARE(added, m_store->at(1)->entries.at(3));
        QCOMPARE(added->note, QByteArray("new"));
        QCOMPARE(added->amount, 4.5);
        QCOMPARE(QDate(added->year, added->month, added->day), date);

        QTRY_VERIFY(!entries.isSettling());
        QCOMPARE(m_panel->purseStatsList()->statistics().text(0, 2), u"54.50"_s);
        QCOMPARE(categories.model()->index(2, 1).data().toString(), u"54.50"_s);
        QTRY_COMPARE(m_panel->purseTotalBox()->text(), u"54.50"_s);
    }

    void editEntry_data()
    {
        addColumns<double, QString, double>({"stored", "typed", "amount"});

        QTest::newRow("unchanged keeps all decimals") << 12.345 << QString() << 12.345;
        QTest::newRow("letters") << 12.5 << u"lunch"_s << 0.0;
        QTest::newRow("blanks around the shown text") << 2.999 << u" 3.00 "_s << 2.999;
        QTest::newRow("wider than the amount box") << 1e40 << QString() << 1e40;
    }

    void editEntry()
    {
        const auto [stored, typed] = fetch<double, QString>({"stored", "typed"});

        PurseCategory* category = m_store->at(2);
        const QByteArray note = "lunch " + QByteArray(300, 'n');
        PurseEntry* entry =
            test::addEntry(*category, QDate(2005, 2, 31 - 3), stored, note.constData());
        entry->month = 13; // damaged: the date picker cannot show it
        PurseEntryList& entries = *m_panel->purseEntryList();
        test::selectRows(*m_panel->purseCategoryList(), {0});
        settle();
        entries.selectOnlyRow(0);
        QString shownAmount;
        entries.setDialogRunner([&](QDialog& dialog) {
            auto& record = static_cast<PurseRecordDialog&>(dialog);
            shownAmount = record.amountText();
            if (!typed.isNull())
                record.setAmountText(typed);
            return true;
        });
        entries.edit();
        QCOMPARE(shownAmount, QString::number(stored, 'f', 2));
        QTEST(entry->amount, "amount");
        QCOMPARE(entry->month, 13);
        QCOMPARE(entry->note, note);
    }

    void removeCategories_data()
    {
        addColumns<Prompts::Answer, QList<int>, QString, QString>(
            {"answer", "rows", "left", "total"});

        QTest::newRow("No") << Prompts::Answer::No << QList<int>{1, 2} << u"books|car|Food|rent"_s
                            << u"130.00"_s;
        QTest::newRow("Yes") << Prompts::Answer::Yes << QList<int>{1, 2} << u"books|rent"_s
                             << u"1000.00"_s;
        QTest::newRow("all") << Prompts::Answer::Yes << QList<int>{0, 1, 2, 3} << QString()
                             << u"0.00"_s;
    }

    void removeCategories()
    {
        const auto [answer, rows, left, total] =
            fetch<Prompts::Answer, QList<int>, QString, QString>(
                {"answer", "rows", "left", "total"});

        test::FakePrompts prompts;
        prompts.answers << answer;
        PurseCategoryList& categories = *m_panel->purseCategoryList();
        test::selectRows(categories, rows);
        settle();
        categories.remove();
        QCOMPARE(prompts.messages, QStringList{u"Remove selected Items?"_s});
        QCOMPARE(names(), left);
        QCOMPARE(m_store->count(), left.isEmpty() ? 0 : left.count(u'|') + 1);
        QTRY_COMPARE(m_panel->purseTotalBox()->text(), total);
        QTRY_VERIFY(!categories.isSettling());
        if (left.isEmpty()) {
            QCOMPARE(m_panel->purseEntryList()->model()->rowCount(), 0);
            QVERIFY(m_panel->purseStatsList()->statistics().isBlank());
        }
    }

    void categoryDialog_data()
    {
        // add: adds a category, else renames "books"
        addColumns<bool, bool, QString>({"add", "accepted", "names"});

        QTest::newRow("add") << true << true << u"books|car|Clothes|Food|rent"_s;
        QTest::newRow("rename") << false << true << u"car|Clothes|Food|rent"_s;
        QTest::newRow("rename cancelled") << false << false << u"books|car|Food|rent"_s;
    }

    void categoryDialog()
    {
        const auto [add, accepted] = fetch<bool, bool>({"add", "accepted"});

        PurseCategoryList& categories = *m_panel->purseCategoryList();
        test::selectRows(categories, add ? QList<int>{0, 3} : QList<int>{0});
        settle();
        m_panel->purseTotalBox()->setText(u"typed"_s);
        categories.setDialogRunner([accepted](QDialog& dialog) {
            static_cast<PurseCategoryDialog&>(dialog).setName(u" Clothes  "_s);
            return accepted;
        });
        add ? categories.add() : categories.edit();
        QTEST(names(), "names");
        QCOMPARE(m_store->count(), add ? 5 : 4);
        // The total box shows the selected category's total again, even after Cancel.
        QTRY_COMPARE(m_panel->purseTotalBox()->text(), u"0.00"_s);
        if (add) {
            // A new category is sorted in and selected alone.
            QCOMPARE(m_store->at(4)->name, QByteArray("Clothes"));
            QCOMPARE(categories.selectedRowNumbers(), QList<int>{2});
            QTRY_COMPARE(m_panel->purseEntryList()->category(), m_store->at(4));
        }
    }

    void okRules_data()
    {
        addColumns<QString, QString, bool, bool>({"note", "amount", "recordOk", "categoryOk"});

        QTest::newRow("blank amount") << u"lunch"_s << u" \t"_s << false << true;
        QTest::newRow("blank note") << u"   "_s << u"12"_s << false << false;
        QTest::newRow("letters as amount") << u"x"_s << u"abc"_s << true << true;
        QTest::newRow("longer than anyone may type")
            << QString(300, u'n') << QString(50, u'9') << true << true;
    }

    void okRules()
    {
        const auto [note, amount] = fetch<QString, QString>({"note", "amount"});

        PurseRecordDialog record(m_clock);
        QVERIFY(!record.isOkEnabled());
        QCOMPARE(record.date(), m_clock.today());
        record.setNoteText(note);
        record.setAmountText(amount);
        QTEST(record.isOkEnabled(), "recordOk");
        // Texts the program puts into the fields are never cut to the typing limits.
        QCOMPARE(record.noteText(), note);
        QCOMPARE(record.amountText(), amount);

        PurseCategoryDialog category;
        category.setName(note);
        QTEST(category.isOkEnabled(), "categoryOk");
        QCOMPARE(category.name(), note.trimmed());
    }

    // All four statistics rows are visible at the panel's designed size, in whatever font.
    void statisticsRowsFit()
    {
        for (const int pointSize : {8, 9, 11, 14}) {
            QFont font = QApplication::font();
            font.setPointSize(pointSize);
            QApplication::setFont(font);
            PursePanel panel(*m_store, m_clock);
            panel.show();
            QVERIFY(QTest::qWaitForWindowExposed(&panel));
            const PurseStatsList& stats = *panel.purseStatsList();
            QCOMPARE(stats.model()->rowCount(), 4);
            QVERIFY2(stats.rowViewportPosition(3) + stats.rowHeight(3) <=
                         stats.viewport()->height(),
                     qPrintable(QString::number(pointSize)));
            QVERIFY(stats.rowHeight(3) >= stats.fontMetrics().height());
        }
        QApplication::setFont(QFont());
    }

private:
    // The category list's names, top to bottom, joined by '|'.
    QString names() const
    {
        return test::column(*m_panel->purseCategoryList()->model(), 0).join(u'|');
    }

    PurseCategory* addCategory(const char* name, QList<double> amounts)
    {
        PurseCategory* category = m_store->add();
        category->name = name;
        QDate date(2005, 1, 10);
        for (const double amount : amounts) {
            test::addEntry(*category, date, amount);
            date = date.addDays(-1);
        }
        return category;
    }

    void settle()
    {
        m_panel->purseCategoryList()->settle();
        m_panel->purseEntryList()->refreshStatistics();
        QCoreApplication::processEvents();
    }

    test::FakeClock m_clock;
    std::unique_ptr<RecordList<PurseCategory>> m_store;
    std::unique_ptr<PursePanel> m_panel;
};

class TestPurseFigures final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void amount_data()
    {
        addColumns<QString, bool, double>({"text", "read", "value"});

        QTest::newRow("note after the number") << u"12.5 lunch"_s << true << 12.5;
        QTest::newRow("letters") << u"lunch"_s << false << 0.0;
        QTest::newRow("thousands separator ends it") << u"1,234.50"_s << true << 1.0;
        QTest::newRow("leading blanks") << u" \t -3.25"_s << true << -3.25;
        QTest::newRow("plus sign") << u"+4"_s << true << 4.0;
        QTest::newRow("no integer digits") << u".5"_s << true << 0.5;
        QTest::newRow("trailing point") << u"7."_s << true << 7.0;
        QTest::newRow("exponent") << u"1.5e3x"_s << true << 1500.0;
        QTest::newRow("negative exponent") << u"25E-1"_s << true << 2.5;
        QTest::newRow("e without digits") << u"2e"_s << true << 2.0;
        QTest::newRow("e and sign without digits") << u"2e+"_s << true << 2.0;
        QTest::newRow("sign alone") << u"-"_s << false << 0.0;
        QTest::newRow("point alone") << u"."_s << false << 0.0;
        QTest::newRow("sign then blank") << u"- 5"_s << false << 0.0;
        QTest::newRow("empty") << QString() << false << 0.0;
        QTest::newRow("hexadecimal reads its zero") << u"0x10"_s << true << 0.0;
        QTest::newRow("infinity word") << u"inf"_s << false << 0.0;
        QTest::newRow("too large") << u"1e999"_s << false << 0.0;
        QTest::newRow("fullwidth digits") << u"\uFF11\uFF12"_s << false << 0.0;
    }

    void amount()
    {
        QFETCH(QString, text);
        const std::optional<double> parsed = parsePurseAmount(text);
        QTEST(parsed.has_value(), "read");
        QTEST(parsed.value_or(0.0), "value");
    }

    void columnWidths_data()
    {
        // base: average character width of the list's font
        addColumns<int, int, QList<int>, QList<int>>({"base", "width", "categories", "entries"});

        QTest::newRow("empty") << 6 << 0 << QList<int>{0, 0} << QList<int>{0, 0, 0};
        QTest::newRow("odd narrow") << 6 << 101 << QList<int>{51, 50} << QList<int>{33, 35, 33};
        QTest::newRow("category limit") << 6 << 160 << QList<int>{80, 80} << QList<int>{53, 54, 53};
        QTest::newRow("past category limit")
            << 6 << 161 << QList<int>{81, 80} << QList<int>{53, 55, 53};
        QTest::newRow("entry limit")
            << 6 << 300 << QList<int>{220, 80} << QList<int>{100, 100, 100};
        QTest::newRow("past entry limit")
            << 6 << 301 << QList<int>{221, 80} << QList<int>{120, 101, 80};
        // A font half as wide again scales every limit and fixed width with it.
        QTest::newRow("wider font, past entry limit")
            << 9 << 451 << QList<int>{331, 120} << QList<int>{180, 151, 120};
    }

    void columnWidths()
    {
        const auto [base, width] = fetch<int, int>({"base", "width"});
        const DialogUnits units(base, 13);
        const auto c = PurseColumnWidths::categoryList(width, units);
        const auto e = PurseColumnWidths::entryList(width, units);
        QTEST(QList<int>(c.begin(), c.end()), "categories");
        QTEST(QList<int>(e.begin(), e.end()), "entries");
    }
    void initTestCase()
    {
        for (const double amount : {12.5, 30.25})
            m_store.add()->entries.add()->amount = amount;
    }

    void enter_data()
    {
        addColumns<QString, QString, QString>({"typed", "shown", "selected"});

        QTest::newRow("arithmetic") << u"2*(3+4)"_s << u"14.00"_s << u"14.00"_s;
        QTest::newRow("blanks around") << u"  10/4 "_s << u"2.50"_s << u"2.50"_s;
        QTest::newRow("incomplete") << u"1/"_s << u"Error"_s << u"Error"_s;
        QTest::newRow("blanks only") << u"   "_s << u"42.75"_s << QString();
    }

    void enter()
    {
        QFETCH(QString, typed);

        PurseTotalBox box(m_store);
        QVERIFY(box.isEngineStarted());
        box.setText(typed);
        QTest::keyClick(&box, Qt::Key_Return);
        QTEST(box.text(), "shown");
        QTEST(box.selectedText(), "selected");

        // Leaving the box, as Tab does, brings the total back.
        box.setText(u"99"_s);
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(&box, &focusOut);
        QCOMPARE(box.text(), u"42.75"_s);
    }

    void enterNeverReachesDefaultButton_data()
    {
        addColumns<bool, Qt::Key>({"engine", "key"});

        QTest::newRow("keypad Enter") << true << Qt::Key_Enter;
        QTest::newRow("no engine") << false << Qt::Key_Return;
    }

    void enterNeverReachesDefaultButton()
    {
        const auto [engine, key] = fetch<bool, Qt::Key>({"engine", "key"});

        QDialog dialog;
        auto* box = new PurseTotalBox(m_store, nullptr, [engine](ScriptEvaluator& evaluator) {
            return engine && evaluator.start();
        });
        auto* button = new QPushButton(u"OK"_s);
        button->setDefault(true);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(box);
        layout->addWidget(button);
        QSignalSpy clicked(button, &QPushButton::clicked);
        dialog.show();
        // Without an engine the box only shows the total.
        QCOMPARE(box->isEngineStarted(), engine);
        QCOMPARE(box->isReadOnly(), !engine);
        QCOMPARE(box->text(), u"42.75"_s);
        box->setText(u"1+1"_s);
        QTest::keyClick(box, key);
        // Without an engine Enter takes the normal route and the default button fires.
        QCOMPARE(clicked.count(), engine ? 0 : 1);
        QCOMPARE(box->text(), engine ? u"2.00"_s : u"1+1"_s);
    }

    void statistics_data()
    {
        addColumns<EntryRows, QList<int>, QString>({"entries", "selected", "cells"});

        const auto row = [](const char* name, const EntryRows& entries, const QString& cells,
                            const QList<int>& selected = {}) {
            QTest::newRow(name) << entries << selected << cells;
        };
        const QString blank = u"|||||||"_s;
        row("no entries", {}, blank);
        row("one entry", {on(2005, 1, 1, 12.5)}, u"|12.50||||||"_s);
        row("d = 1", {on(2005, 1, 1, 10), on(2005, 1, 2, 20)}, u"|30.00||||||"_s);
        row("d = 2", {on(2005, 1, 1, 10), on(2005, 1, 3, 20)}, u"|30.00|2|15.00||||"_s);
        row("d = 7, not more than a week", {on(2005, 1, 1, 70), on(2005, 1, 8, 0)},
            u"|70.00|7|10.00||||"_s);
        row("d = 8", {on(2005, 1, 1, 80), on(2005, 1, 9, 0)}, u"|80.00|8|10.00|1.1|70.00||"_s);
        row("d = 30", {on(2005, 1, 1, 100), on(2005, 1, 31, 200)},
            u"|300.00|30|10.00|4.3|70.00||"_s);
        row("d = 31", {on(2005, 1, 1, 100), on(2005, 2, 1, 210)},
            u"|310.00|31|10.00|4.4|70.00|1.0|300.00"_s);
        row("over a year, in any row order",
            {on(2006, 1, 1, 365), on(2005, 1, 1, 0), on(2005, 6, 1, 0)},
            u"|365.00|365|1.00|52.1|7.00|12.2|30.00"_s);
        // Keys are unsigned 32-bit numbers and the smallest starts at 199999999: when every entry
        // lies in the year 20000 or later, that start value stays the earliest key, and as it names
        // no date (19999-99-99) only the total shows.
        row("years from 20000 on", {on(20000, 1, 1, 1), on(20001, 1, 1, 2)}, u"|3.00||||||"_s);

        const EntryRows many{on(2005, 1, 1, 1000), on(2005, 1, 5, 10), on(2005, 1, 9, 20),
                             on(2005, 3, 1, 5000)};
        const QString all = u"|6030.00|59|102.20|8.4|715.42|2.0|3066.10"_s;
        row("all rows", many, all);
        row("two selected rows count alone", many, u"|30.00|4|7.50||||"_s, {2, 1});
        row("one selected row counts as none", many, all, {1});
        row("selection with duplicates and strays", many, all, {1, 1, 7, -1});
    }

    void statistics()
    {
        const auto [entries, selected] = fetch<EntryRows, QList<int>>({"entries", "selected"});

        PurseCategory category(m_clock);
        std::vector<const PurseEntry*> rows;
        for (const EntryRow& row : entries)
            rows.push_back(test::addEntry(category, row.date, row.amount));
        const PurseStatistics stats = PurseStatistics::compute(rows, selected);
        QTEST(cells(stats), "cells");
        QCOMPARE(stats.isBlank(), entries.isEmpty());
    }

    void labels()
    {
        QStringList labels;
        for (int row = 0; row <= PurseStatistics::RowCount; ++row)
            labels << PurseStatistics().text(row, 0);
        QCOMPARE(labels, (QStringList{u"Total Amount"_s, u"Days | Average"_s, u"Weeks | Average"_s,
                                      u"Months | Average"_s, QString()}));
        QCOMPARE(PurseStatistics().text(0, 3), QString());
    }

    void selectedRows()
    {
        // Only row numbers below the row count exist, each once.
        QCOMPARE(selectedRowsInOrder({3, 2, -1, 2, 0}, 3), (QList<int>{0, 2}));
    }

private:
    test::FakeClock m_clock;
    RecordList<PurseCategory> m_store{m_clock};
};

DVK_TEST(TestPursePanel);
DVK_TEST(TestPurseFigures);

#include "tst_purse.moc"
