#include "DvkTest.h"
#include "PurseAmount.h"
#include "PurseColumnWidths.h"

namespace dvk {

class TestPurseAmount final : public QObject
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
};

DVK_TEST(TestPurseAmount);

} // namespace dvk

#include "tst_purseamount.moc"
