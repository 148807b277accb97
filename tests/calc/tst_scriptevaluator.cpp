#include "DvkTest.h"
#include "NumberFormat.h"
#include "ScriptEvaluator.h"
#include "VariantRules.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

namespace dvk {

// The calculator: the number texts it reads and writes, and the script engine it evaluates with.
class TestCalc final : public QObject
{
    Q_OBJECT

    // What the total box shows for an expression: the "%.02lf" text or "Error".
    static QString shown(ScriptEvaluator& evaluator, const QString& expression)
    {
        const double value = evaluator.evaluate(expression);
        return evaluator.error() ? u"Error"_s : formatAmount(value);
    }

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
        QTest::newRow("white space around") << u" \t12.5 \n"_s << 12.5;
        QTest::newRow("plus sign") << u"+3"_s << 3.0;
        QTest::newRow("minus sign") << u"-3.25"_s << -3.25;
        QTest::newRow("leading point") << u".5"_s << 0.5;
        QTest::newRow("trailing point") << u"5."_s << 5.0;
        QTest::newRow("exponent") << u"2.5E+2"_s << 250.0;
        QTest::newRow("negative exponent") << u"25e-1"_s << 2.5;
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

    void evaluate_data()
    {
        addColumns<QString, QString>({"expression", "shown"});
        QTest::newRow("a third") << u"1/3"_s << u"0.33"_s;
        QTest::newRow("shown result again") << u"14.00"_s << u"14.00"_s;
        QTest::newRow("number text") << u"\"12\""_s << u"12.00"_s;
        QTest::newRow("concatenated digits") << u"'1'+'2'"_s << u"12.00"_s;
        QTest::newRow("declaration") << u"var x=5"_s << u"0.00"_s;
        QTest::newRow("true") << u"true"_s << u"-1.00"_s;
        QTest::newRow("false") << u"1>2"_s << u"0.00"_s;
        QTest::newRow("literal beyond a double") << u"-1e999"_s << u"-inf"_s;
    }
    void evaluate()
    {
        const auto [expression, expected] = fetch<QString, QString>({"expression", "shown"});
        ScriptEvaluator evaluator;
        QVERIFY(evaluator.start());
        QCOMPARE(shown(evaluator, expression), expected);
    }

    void errorsLeaveEngineUsable()
    {
        // Undefined name, syntax error, throw, a text that is no number, null, an array even of
        // one number, object, boxed number, function, a set `er`, endless recursion.
        ScriptEvaluator evaluator;
        QVERIFY(evaluator.start());
        for (const QString& expression :
             {u"foo+1"_s, u"(1+2"_s, u"throw 5"_s, u"'abc'"_s, u"null"_s, u"[5]"_s, u"({a:1})"_s,
              u"new Number(5)"_s, u"(function(){return 1})"_s, u"er=1"_s,
              u"(function f(){return f()})()"_s}) {
            QVERIFY2(shown(evaluator, expression) == u"Error"_s, qPrintable(expression));
            QCOMPARE(shown(evaluator, u"2+3*4"_s), u"14.00"_s);
        }
    }

    void globalsAndErrorField()
    {
        ScriptEvaluator evaluator;
        evaluator.evaluate(u"1+1"_s); // no engine yet
        QVERIFY(evaluator.error());
        QVERIFY(evaluator.start());
        QVERIFY(!evaluator.error());
        QCOMPARE(shown(evaluator, u"rate=0.2"_s), u"0.20"_s);
        QCOMPARE(shown(evaluator, u"100*rate"_s), u"20.00"_s);
        // A declaration inside calc's eval makes a local of calc, not a global.
        QCOMPARE(shown(evaluator, u"var local=3"_s), u"0.00"_s);
        QCOMPARE(shown(evaluator, u"local"_s), u"Error"_s);
        // NaN has no sign that every platform agrees on; it is no error.
        QVERIFY(qIsNaN(evaluator.evaluate(u"0/0"_s)));
        QVERIFY(!evaluator.error());
        // An expression may replace the script's own function; that lasts for the run, as it did.
        QCOMPARE(shown(evaluator, u"calc=1"_s), u"1.00"_s);
        QCOMPARE(shown(evaluator, u"1+1"_s), u"Error"_s);
        // Starting again drops every global.
        QVERIFY(evaluator.start());
        QCOMPARE(shown(evaluator, u"rate"_s), u"Error"_s);
        QCOMPARE(shown(evaluator, u"1+1"_s), u"2.00"_s);
        evaluator.close();
        QVERIFY(!evaluator.error() && !evaluator.isStarted());
        evaluator.evaluate(u"1+1"_s);
        QVERIFY(evaluator.error());
    }

    void runawayLoopIsInterrupted()
    {
        ScriptEvaluator evaluator; // with the default limits
        QVERIFY(evaluator.start());
        QCOMPARE(shown(evaluator, u"kept=1"_s), u"1.00"_s);
        QElapsedTimer clock;
        clock.start();
        evaluator.evaluate(u"while(1);"_s);
        const qint64 elapsed = clock.elapsed();
        QVERIFY(evaluator.error());
        QCOMPARE(evaluator.lastStop(), ScriptEvaluator::Stop::TimeLimit);
        // The limit itself is checked where it is defined; a wall-clock bound here only catches
        // a watchdog that never fires, with room for a busy machine.
        QVERIFY2(elapsed < 5000, qPrintable(u"took %1 ms"_s.arg(elapsed)));
        // The script's try/catch cannot hold the interruption either.
        evaluator.setTimeLimit(std::chrono::milliseconds(100));
        QCOMPARE(shown(evaluator, u"try{for(;;);}catch(e){5}"_s), u"Error"_s);
        QCOMPARE(evaluator.lastStop(), ScriptEvaluator::Stop::TimeLimit);
        // The engine was started afresh: it works, and the earlier globals are gone.
        QCOMPARE(shown(evaluator, u"2+3*4"_s), u"14.00"_s);
        QCOMPARE(evaluator.lastStop(), ScriptEvaluator::Stop::None);
        QCOMPARE(shown(evaluator, u"kept"_s), u"Error"_s);
    }

    void unboundAllocationIsStopped()
    {
        ScriptEvaluator evaluator;
        // A long time limit, so that only the memory cap can stop it (in about 0.4 s here).
        evaluator.setTimeLimit(std::chrono::seconds(5));
        evaluator.setMemoryLimit(qint64(32) << 20);
        QVERIFY(evaluator.start());
        if (ScriptWatchdog::residentBytes() == 0)
            QSKIP("the resident memory of the process cannot be read here");
        evaluator.evaluate(u"a=[];for(var i=0;;i++)a.push({n:i,s:'v'+i})"_s);
        QVERIFY(evaluator.error());
        QCOMPARE(evaluator.lastStop(), ScriptEvaluator::Stop::MemoryLimit);
        // a text, so an error: the array went with the engine
        QCOMPARE(shown(evaluator, u"typeof a"_s), u"Error"_s);
        QCOMPARE(shown(evaluator, u"1/4"_s), u"0.25"_s);
    }
};

DVK_TEST(TestCalc);

} // namespace dvk

#include "tst_scriptevaluator.moc"
