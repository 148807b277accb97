#include "DvkTest.h"
#include "FakeClock.h"
#include "NumberFormat.h"
#include "PurseAmount.h"
#include "PurseColumnWidths.h"
#include "PurseStatistics.h"
#include "PurseTotalBox.h"
#include "PurseTotals.h"
#include "RecordBuilders.h"

#include <QDialog>
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

void setDate(PurseEntry* e, int y, int m, int d)
{
    e->year = y;
    e->month = m;
    e->day = d;
}

} // namespace

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
        QTest::newRow("nan word") << u"nan"_s << false << 0.0;
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
        QTest::newRow("wider font, past category limit")
            << 9 << 241 << QList<int>{121, 120} << QList<int>{80, 81, 80};
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
        QTest::newRow("shown result again") << u"42.75"_s << u"42.75"_s << u"42.75"_s;
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

        QTest::newRow("Return") << true << Qt::Key_Return;
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
        row("selection without rows", {}, blank, {0, 1});
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
        row("negative amounts", {on(2005, 1, 1, -100), on(2005, 1, 31, -200)},
            u"|-300.00|30|-10.00|4.3|-70.00||"_s);

        const EntryRows many{on(2005, 1, 1, 1000), on(2005, 1, 5, 10), on(2005, 1, 9, 20),
                             on(2005, 3, 1, 5000)};
        const QString all = u"|6030.00|59|102.20|8.4|715.42|2.0|3066.10"_s;
        row("all rows", many, all);
        row("two selected rows count alone", many, u"|30.00|4|7.50||||"_s, {2, 1});
        row("one selected row counts as none", many, all, {1});
        row("selection with duplicates and strays", many, all, {1, 1, 7, -1});
        row("three selected rows", many, u"|6010.00|59|101.86|8.4|713.05|2.0|3055.93"_s, {3, 0, 1});
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
        const PurseStatistics blank;
        QVERIFY(blank.isBlank());
        QCOMPARE(cells(blank), u"|||||||"_s);
        QStringList labels;
        for (int row = 0; row <= PurseStatistics::RowCount; ++row)
            labels << blank.text(row, 0);
        QCOMPARE(labels, (QStringList{u"Total Amount"_s, u"Days | Average"_s, u"Weeks | Average"_s,
                                      u"Months | Average"_s, QString()}));
        QCOMPARE(blank.text(0, 3), QString());
    }

    void damagedDates()
    {
        // A damaged file may hold any numbers; a key that names no calendar date leaves the period
        // rows blank, and the total still shows.
        PurseCategory category(m_clock);
        PurseEntry* a = test::addEntry(category, QDate(2005, 1, 1), 1);
        PurseEntry* b = test::addEntry(category, QDate(2005, 1, 1), 2);
        setDate(b, 2005, 13, 40);
        const std::vector<const PurseEntry*> rows{a, b};
        QCOMPARE(cells(PurseStatistics::compute(rows)), u"|3.00||||||"_s);

        // Keys are unsigned 32-bit numbers and the smallest starts at 199999999: when every entry
        // lies in the year 20000 or later, that start value stays the earliest key, and as it names
        // no date (19999-99-99) only the total shows.
        setDate(a, 20000, 1, 1);
        setDate(b, 20001, 1, 1);
        QCOMPARE(PurseStatistics::statisticsKey(*b), 200010101u);
        QCOMPARE(cells(PurseStatistics::compute(rows)), u"|3.00||||||"_s);
        setDate(b, -1, 1, 1);
        QCOMPARE(PurseStatistics::statisticsKey(*b), quint32(-10000 + 101));
        QCOMPARE(PurseStatistics::keyDate(20050307), QDate(2005, 3, 7));
    }

    void panelTotal_data()
    {
        addColumns<QList<int>, QString>({"selected", "total"});

        // Rows in the category list's order: Food 12.50, Rent -0.50 + 1000, Empty 0.
        QTest::newRow("none selected: all rows") << QList<int>{} << u"1012.00"_s;
        QTest::newRow("one selected") << QList<int>{1} << u"999.50"_s;
        QTest::newRow("several selected") << QList<int>{2, 0} << u"12.50"_s;
        QTest::newRow("empty category selected") << QList<int>{2} << u"0.00"_s;
        QTest::newRow("strays ignored") << QList<int>{5, -2} << u"1012.00"_s;
    }

    void panelTotal()
    {
        const auto [selected, total] = fetch<QList<int>, QString>({"selected", "total"});

        RecordList<PurseCategory> store(m_clock);
        const auto add = [&store](const char* name, std::initializer_list<double> amounts) {
            PurseCategory* category = store.add();
            category->name = name;
            for (const double amount : amounts)
                category->entries.add()->amount = amount;
            return category;
        };
        const PurseCategory* rent = add("Rent", {-0.5, 1000});
        const PurseCategory* food = add("Food", {12.5});
        const PurseCategory* empty = add("Empty", {});

        const QList<const PurseCategory*> rows{food, rent, empty};
        QCOMPARE(formatAmount(::dvk::panelTotal(rows, selected)), total);
        // Before the list has a window: every category of the store.
        QCOMPARE(formatAmount(::dvk::panelTotal(store)), u"1012.00"_s);
        QCOMPARE(formatAmount(sumOfCategoryTotals(rows)), u"1012.00"_s);
        // Only row numbers below the row count exist, each once.
        QCOMPARE(selectedRowsInOrder({3, 2, -1, 2, 0}, 3), (QList<int>{0, 2}));
    }

private:
    test::FakeClock m_clock;
    RecordList<PurseCategory> m_store{m_clock};
};

DVK_TEST(TestPurseFigures);

#include "tst_pursefigures.moc"
