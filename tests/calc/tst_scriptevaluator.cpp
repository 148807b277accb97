#include "DvkTest.h"
#include "NumberFormat.h"
#include "ScriptEvaluator.h"

#include <QElapsedTimer>

namespace dvk {

class TestScriptEvaluator final : public QObject
{
    Q_OBJECT

    // What the total box shows for an expression: the "%.02lf" text or "Error".
    static QString shown(ScriptEvaluator& evaluator, const QString& expression)
    {
        const double value = evaluator.evaluate(expression);
        return evaluator.error() ? u"Error"_s : formatAmount(value);
    }

private Q_SLOTS:
    // The script the engine is given, byte for byte: 13 lines ended by CR LF, 116 characters.
    void scriptText()
    {
        QCOMPARE(QByteArray(ScriptEvaluator::ScriptText),
                 QByteArray("var fm=\"0\";\r\nvar er=false;\r\nfunction calc()\r\n{\r\n"
                            "er=false;\r\ntry{\r\nreturn(eval(fm));\r\n}\r\ncatch(e)\r\n{\r\n"
                            "er=true;\r\n}\r\n}\r\n"));
    }

    void evaluate_data()
    {
        addColumns<QString, QString>({"expression", "shown"});
        QTest::newRow("precedence") << u"2+3*4"_s << u"14.00"_s;
        QTest::newRow("a third") << u"1/3"_s << u"0.33"_s;
        QTest::newRow("shown result again") << u"14.00"_s << u"14.00"_s;
        QTest::newRow("Math") << u"Math.round(Math.PI*100)/100"_s << u"3.14"_s;
        QTest::newRow("number text") << u"\"12\""_s << u"12.00"_s;
        QTest::newRow("concatenated digits") << u"'1'+'2'"_s << u"12.00"_s;
        QTest::newRow("declaration") << u"var x=5"_s << u"0.00"_s;
        QTest::newRow("true") << u"true"_s << u"-1.00"_s;
        QTest::newRow("false") << u"1>2"_s << u"0.00"_s;
        QTest::newRow("infinity") << u"1/0"_s << u"inf"_s;
        QTest::newRow("literal beyond a double") << u"-1e999"_s << u"-inf"_s;
    }
    void evaluate()
    {
        const auto [expression, shown] = fetch<QString, QString>({"expression", "shown"});
        ScriptEvaluator evaluator;
        QVERIFY(evaluator.start());
        QCOMPARE(TestScriptEvaluator::shown(evaluator, expression), shown);
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

DVK_TEST(TestScriptEvaluator);

} // namespace dvk

#include "tst_scriptevaluator.moc"
