#include "DvkTest.h"
#include "FakeClock.h"
#include "NumberFormat.h"
#include "PurseStatistics.h"
#include "PurseTotals.h"
#include "RecordBuilders.h"

#include <vector>

namespace dvk {

// An entry of a test table.
struct EntryRow
{
    QDate date;
    double amount = 0.0;
};
using EntryRows = QList<EntryRow>;

} // namespace dvk

Q_DECLARE_METATYPE(dvk::EntryRows)

namespace dvk {

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

class TestPurseStatistics final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        QTEST(dvk::cells(stats), "cells");
        QCOMPARE(stats.isBlank(), entries.isEmpty());
    }

    void labels()
    {
        const PurseStatistics blank;
        QVERIFY(blank.isBlank());
        QCOMPARE(dvk::cells(blank), u"|||||||"_s);
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
        QCOMPARE(formatAmount(dvk::panelTotal(rows, selected)), total);
        // Before the list has a window: every category of the store.
        QCOMPARE(formatAmount(dvk::panelTotal(store)), u"1012.00"_s);
        QCOMPARE(formatAmount(sumOfCategoryTotals(rows)), u"1012.00"_s);
    }

private:
    test::FakeClock m_clock;
};

DVK_TEST(TestPurseStatistics);

} // namespace dvk

#include "tst_pursestatistics.moc"
