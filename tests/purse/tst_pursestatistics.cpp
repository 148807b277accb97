#include "FakeClock.h"
#include "NumberFormat.h"
#include "PurseStatistics.h"
#include "PurseTotals.h"
#include "TestRegistry.h"

#include <QTest>
#include <vector>

using namespace Qt::StringLiterals;

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
    for (int row = 0; row < PurseStatistics::RowCount; ++row) {
        texts << stats.text(row, 1) << stats.text(row, 2);
    }
    return texts.join(u'|');
}

EntryRow entry(int y, int m, int d, double amount)
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
    void statistics_data();
    void statistics();
    void labels();
    void constantsAsGiven();
    void damagedDates();
    void panelTotal_data();
    void panelTotal();

private:
    test::FakeClock m_clock;
};

void TestPurseStatistics::statistics_data()
{
    QTest::addColumn<EntryRows>("entries");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("cells");

    const QList<int> none;
    const QString blank = u"|||||||"_s;
    QTest::newRow("no entries") << EntryRows{} << none << blank;
    QTest::newRow("selection without rows") << EntryRows{} << QList<int>{0, 1} << blank;
    QTest::newRow("one entry") << EntryRows{entry(2005, 1, 1, 12.5)} << none << u"|12.50||||||"_s;
    QTest::newRow("same day") << EntryRows{entry(2005, 1, 1, 1), entry(2005, 1, 1, 2)} << none
                              << u"|3.00||||||"_s;
    QTest::newRow("d = 1") << EntryRows{entry(2005, 1, 1, 10), entry(2005, 1, 2, 20)} << none
                           << u"|30.00||||||"_s;
    QTest::newRow("d = 2") << EntryRows{entry(2005, 1, 1, 10), entry(2005, 1, 3, 20)} << none
                           << u"|30.00|2|15.00||||"_s;
    QTest::newRow("d = 7, not more than a week")
        << EntryRows{entry(2005, 1, 1, 70), entry(2005, 1, 8, 0)} << none
        << u"|70.00|7|10.00||||"_s;
    QTest::newRow("d = 8") << EntryRows{entry(2005, 1, 1, 80), entry(2005, 1, 9, 0)} << none
                           << u"|80.00|8|10.00|1.1|70.00||"_s;
    QTest::newRow("d = 30") << EntryRows{entry(2005, 1, 1, 100), entry(2005, 1, 31, 200)} << none
                            << u"|300.00|30|10.00|4.3|70.00||"_s;
    QTest::newRow("d = 31") << EntryRows{entry(2005, 1, 1, 100), entry(2005, 2, 1, 210)} << none
                            << u"|310.00|31|10.00|4.4|70.00|1.0|300.00"_s;
    QTest::newRow("leap year") << EntryRows{entry(2004, 2, 1, 58), entry(2004, 3, 1, 0)} << none
                               << u"|58.00|29|2.00|4.1|14.00||"_s;
    QTest::newRow("over a year, in any row order")
        << EntryRows{entry(2006, 1, 1, 365), entry(2005, 1, 1, 0), entry(2005, 6, 1, 0)} << none
        << u"|365.00|365|1.00|52.1|7.00|12.2|30.00"_s;
    QTest::newRow("negative amounts")
        << EntryRows{entry(2005, 1, 1, -100), entry(2005, 1, 31, -200)} << none
        << u"|-300.00|30|-10.00|4.3|-70.00||"_s;
    QTest::newRow("sum to zero") << EntryRows{entry(2005, 1, 1, 5), entry(2005, 1, 3, -5)} << none
                                 << u"|0.00|2|0.00||||"_s;

    const EntryRows many{entry(2005, 1, 1, 1000), entry(2005, 1, 5, 10), entry(2005, 1, 9, 20),
                          entry(2005, 3, 1, 5000)};
    QTest::newRow("all rows") << many << none << u"|6030.00|59|102.20|8.4|715.42|2.0|3066.10"_s;
    QTest::newRow("two selected rows count alone")
        << many << QList<int>{2, 1} << u"|30.00|4|7.50||||"_s;
    QTest::newRow("one selected row counts as none")
        << many << QList<int>{1} << u"|6030.00|59|102.20|8.4|715.42|2.0|3066.10"_s;
    QTest::newRow("selection with duplicates and strays")
        << many << QList<int>{1, 1, 7, -1} << u"|6030.00|59|102.20|8.4|715.42|2.0|3066.10"_s;
    QTest::newRow("three selected rows")
        << many << QList<int>{3, 0, 1} << u"|6010.00|59|101.86|8.4|713.05|2.0|3055.93"_s;
}

void TestPurseStatistics::statistics()
{
    QFETCH(EntryRows, entries);
    QFETCH(QList<int>, selected);
    QFETCH(QString, cells);

    PurseCategory category(m_clock);
    std::vector<const PurseEntry*> rows;
    for (const EntryRow& row : entries) {
        PurseEntry* e = category.entries.add();
        setDate(e, row.date.year(), row.date.month(), row.date.day());
        e->amount = row.amount;
        rows.push_back(e);
    }
    const PurseStatistics stats = PurseStatistics::compute(rows, selected);
    QCOMPARE(dvk::cells(stats), cells);
    QCOMPARE(stats.isBlank(), entries.isEmpty());
}

void TestPurseStatistics::labels()
{
    const PurseStatistics blank;
    QVERIFY(blank.isBlank());
    QCOMPARE(dvk::cells(blank), u"|||||||"_s);
    QCOMPARE(blank.text(0, 0), u"Total Amount"_s);
    QCOMPARE(blank.text(1, 0), u"Days | Average"_s);
    QCOMPARE(blank.text(2, 0), u"Weeks | Average"_s);
    QCOMPARE(blank.text(3, 0), u"Months | Average"_s);
    QCOMPARE(blank.text(4, 0), QString());
    QCOMPARE(blank.text(0, 3), QString());
}

void TestPurseStatistics::constantsAsGiven()
{
    // The constants are written as decimal texts; they are the doubles nearest 1/7 and 1/30,
    // and a whole week or month of days is exactly 1.0, so "greater than 1.0" needs one day more.
    QCOMPARE(PurseStatistics::OneSeventh, 1.0 / 7);
    QCOMPARE(PurseStatistics::OneThirtieth, 1.0 / 30);
    QVERIFY(!(7 * PurseStatistics::OneSeventh > 1.0));
    QVERIFY(!(30 * PurseStatistics::OneThirtieth > 1.0));
}

void TestPurseStatistics::damagedDates()
{
    // A damaged file may hold any numbers; a key that names no calendar date leaves the period
    // rows blank, and the total still shows.
    PurseCategory category(m_clock);
    PurseEntry* a = category.entries.add();
    setDate(a, 2005, 1, 1);
    a->amount = 1;
    PurseEntry* b = category.entries.add();
    setDate(b, 2005, 13, 40);
    b->amount = 2;
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

void TestPurseStatistics::panelTotal_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("total");

    // Rows in the category list's order: Food 12.50, Rent -0.50 + 1000, Empty 0.
    QTest::newRow("none selected: all rows") << QList<int>{} << u"1012.00"_s;
    QTest::newRow("one selected") << QList<int>{1} << u"999.50"_s;
    QTest::newRow("several selected") << QList<int>{2, 0} << u"12.50"_s;
    QTest::newRow("all selected") << QList<int>{0, 1, 2} << u"1012.00"_s;
    QTest::newRow("empty category selected") << QList<int>{2} << u"0.00"_s;
    QTest::newRow("strays ignored") << QList<int>{5, -2} << u"1012.00"_s;
}

void TestPurseStatistics::panelTotal()
{
    QFETCH(QList<int>, selected);
    QFETCH(QString, total);

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
    QCOMPARE(formatAmount(empty->total()), u"0.00"_s);

    const QList<const PurseCategory*> rows{food, rent, empty};
    QCOMPARE(formatAmount(dvk::panelTotal(rows, selected)), total);
    // Before the list has a window: every category of the store.
    QCOMPARE(formatAmount(dvk::panelTotal(store)), u"1012.00"_s);
    QCOMPARE(formatAmount(sumOfCategoryTotals(rows)), u"1012.00"_s);
    QCOMPARE(formatAmount(dvk::panelTotal(RecordList<PurseCategory>(m_clock))), u"0.00"_s);
}

DVK_TEST(TestPurseStatistics);

} // namespace dvk

#include "tst_pursestatistics.moc"
