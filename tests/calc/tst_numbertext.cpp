#include "NumberFormat.h"
#include "TestRegistry.h"
#include "VariantRules.h"

#include <QRandomGenerator>
#include <QTest>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

using namespace Qt::StringLiterals;

namespace dvk {

class TestNumberText final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatFixed_data();
    void formatFixed();
    void formatFixedAgreesWithPrintf();
    void readNumberText_data();
    void readNumberText();
};

void TestNumberText::formatFixed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("whole") << 14.0 << 2 << u"14.00"_s;
    QTest::newRow("third") << 1.0 / 3 << 2 << u"0.33"_s;
    QTest::newRow("two thirds") << 2.0 / 3 << 2 << u"0.67"_s;
    QTest::newRow("exact tie rounds to even") << 0.125 << 2 << u"0.12"_s;
    QTest::newRow("binary value below the tie") << 2.675 << 2 << u"2.67"_s;
    QTest::newRow("negative zero") << -0.0 << 2 << u"-0.00"_s;
    QTest::newRow("small negative") << -0.001 << 2 << u"-0.00"_s;
    QTest::newRow("large") << 1e20 << 2 << u"100000000000000000000.00"_s;
    QTest::newRow("one decimal, 31 days in months") << 31 * 0.03333333333333333 << 1 << u"1.0"_s;
    QTest::newRow("one decimal, 30 days in weeks") << 30 * 0.14285714285714285 << 1 << u"4.3"_s;
    QTest::newRow("infinity") << inf << 2 << u"inf"_s;
    QTest::newRow("minus infinity") << -inf << 2 << u"-inf"_s;
    QTest::newRow("nan") << nan << 2 << u"nan"_s;
    QTest::newRow("negative nan") << std::copysign(nan, -1.0) << 2 << u"-nan"_s;
}

void TestNumberText::formatFixed()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(dvk::formatFixed(value, decimals), text);
    if (decimals == 2)
        QCOMPARE(formatAmount(value), text);
}

void TestNumberText::formatFixedAgreesWithPrintf()
{
    // The C library is the reference; in the "C" locale its point is '.'.
    const QByteArray saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    QRandomGenerator random(20050101);
    for (int i = 0; i < 20000; ++i) {
        const double value = std::ldexp(random.generateDouble() - 0.5, random.bounded(-20, 60));
        char expected[400];
        std::snprintf(expected, sizeof expected, i % 2 ? "%.02lf" : "%.01lf", value);
        QCOMPARE(dvk::formatFixed(value, i % 2 ? 2 : 1), QString::fromLatin1(expected));
    }
    std::setlocale(LC_NUMERIC, saved.constData());
}

void TestNumberText::readNumberText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("reads");
    QTest::addColumn<double>("value");

    QTest::newRow("digits") << u"12"_s << true << 12.0;
    QTest::newRow("white space around") << u" \t12.5 \n"_s << true << 12.5;
    QTest::newRow("plus sign") << u"+3"_s << true << 3.0;
    QTest::newRow("minus sign") << u"-3.25"_s << true << -3.25;
    QTest::newRow("leading point") << u".5"_s << true << 0.5;
    QTest::newRow("trailing point") << u"5."_s << true << 5.0;
    QTest::newRow("exponent") << u"2.5E+2"_s << true << 250.0;
    QTest::newRow("negative exponent") << u"25e-1"_s << true << 2.5;
    QTest::newRow("empty") << u""_s << false << 0.0;
    QTest::newRow("blanks") << u"   "_s << false << 0.0;
    QTest::newRow("point only") << u"."_s << false << 0.0;
    QTest::newRow("sign only") << u"-"_s << false << 0.0;
    QTest::newRow("exponent without digits") << u"1e"_s << false << 0.0;
    QTest::newRow("thousands separator") << u"1,234"_s << false << 0.0;
    QTest::newRow("trailing word") << u"12 apples"_s << false << 0.0;
    QTest::newRow("two points") << u"1.2.3"_s << false << 0.0;
    QTest::newRow("hexadecimal") << u"0x10"_s << false << 0.0;
    QTest::newRow("Infinity") << u"Infinity"_s << false << 0.0;
    QTest::newRow("NaN") << u"NaN"_s << false << 0.0;
    QTest::newRow("overflow") << u"1e999"_s << false << 0.0;
    QTest::newRow("largest double")
        << u"1.7976931348623157e308"_s << true << 1.7976931348623157e308;
    QTest::newRow("arabic-indic digits") << u"\u0661\u0662"_s << false << 0.0;
}

void TestNumberText::readNumberText()
{
    QFETCH(QString, text);
    QFETCH(bool, reads);
    QFETCH(double, value);
    const std::optional<double> read = dvk::readNumberText(text);
    QCOMPARE(read.has_value(), reads);
    if (reads)
        QCOMPARE(*read, value);
}

DVK_TEST(TestNumberText);

} // namespace dvk

#include "tst_numbertext.moc"
