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
    void formatFixed_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        const double inf = std::numeric_limits<double>::infinity();
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("whole") << 14.0 << 2 << u"14.00"_s;
        QTest::newRow("exact tie rounds to even") << 0.125 << 2 << u"0.12"_s;
        QTest::newRow("binary value below the tie") << 2.675 << 2 << u"2.67"_s;
        QTest::newRow("negative zero") << -0.0 << 2 << u"-0.00"_s;
        QTest::newRow("large") << 1e20 << 2 << u"100000000000000000000.00"_s;
        QTest::newRow("infinity") << inf << 2 << u"inf"_s;
        QTest::newRow("minus infinity") << -inf << 2 << u"-inf"_s;
        QTest::newRow("nan") << nan << 2 << u"nan"_s;
        QTest::newRow("negative nan") << std::copysign(nan, -1.0) << 2 << u"-nan"_s;
    }
    void formatFixed()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QTEST(dvk::formatFixed(value, decimals), "text");
    }

    void formatFixedAgreesWithPrintf()
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

    void readNumberText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
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
        QFETCH(QString, text);
        QFETCH(double, value);
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
