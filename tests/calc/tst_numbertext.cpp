#include "DvkTest.h"
#include "NumberFormat.h"
#include "VariantRules.h"

#include <QRandomGenerator>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

namespace dvk {

class TestNumberText final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The C library's "%.01lf" and "%.02lf" are the reference ('.' in the "C" locale): exact
    // ties round to even, a binary value just below a tie rounds down, -0, infinities and NaNs
    // keep their signs; then many values of every size.
    void formatFixedAgreesWithPrintf()
    {
        const QByteArray saved = std::setlocale(LC_NUMERIC, nullptr);
        std::setlocale(LC_NUMERIC, "C");
        const double inf = std::numeric_limits<double>::infinity();
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QList<double> values{
            14.0, 0.125, 2.675, -0.0, 1e20, inf, -inf, nan, std::copysign(nan, -1.0)};
        QRandomGenerator random(20050101);
        for (int i = 0; i < 20000; ++i)
            values << std::ldexp(random.generateDouble() - 0.5, random.bounded(-20, 60));
        for (const double value : std::as_const(values)) {
            for (const int decimals : {1, 2}) {
                char expected[400];
                std::snprintf(expected, sizeof expected, "%.*lf", decimals, value);
                QCOMPARE(dvk::formatFixed(value, decimals), QString::fromLatin1(expected));
            }
        }
        std::setlocale(LC_NUMERIC, saved.constData());
    }

    void readNumberText_data()
    {
        addColumns<QString, double>({"text", "value"});
        QTest::newRow("digits") << u"12"_s << 12.0;
        QTest::newRow("white space around") << u" \t12.5 \n"_s << 12.5;
        QTest::newRow("plus sign") << u"+3"_s << 3.0;
        QTest::newRow("minus sign") << u"-3.25"_s << -3.25;
        QTest::newRow("leading point") << u".5"_s << 0.5;
        QTest::newRow("trailing point") << u"5."_s << 5.0;
        QTest::newRow("exponent") << u"2.5E+2"_s << 250.0;
        QTest::newRow("negative exponent") << u"25e-1"_s << 2.5;
        QTest::newRow("thousands separators") << u"1,234,567.5"_s << 1234567.5;
        QTest::newRow("separator before the point") << u"1,234,.5"_s << 1234.5;
        QTest::newRow("largest double") << u"1.7976931348623157e308"_s << 1.7976931348623157e308;
    }
    void readNumberText()
    {
        const auto [text, value] = fetch<QString, double>({"text", "value"});
        QCOMPARE(dvk::readNumberText(text), std::optional<double>(value));
    }

    void readNumberTextRejects()
    {
        // Empty, blank, point or sign alone, exponent without digits, separator before the first
        // digit or after the point, trailing word, two points, hexadecimal, words, overflow,
        // non-ASCII digits.
        for (const QString& text : {u""_s, u"   "_s, u"."_s, u"-"_s, u"1e"_s, u",1"_s, u"-,1"_s,
                                    u"1.2,3"_s, u"12 apples"_s, u"1.2.3"_s, u"0x10"_s,
                                    u"Infinity"_s, u"NaN"_s, u"1e999"_s, u"\u0661\u0662"_s})
            QVERIFY2(!dvk::readNumberText(text), qPrintable(text));
    }
};

DVK_TEST(TestNumberText);

} // namespace dvk

#include "tst_numbertext.moc"
