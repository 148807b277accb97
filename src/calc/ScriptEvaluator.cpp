#include "ScriptEvaluator.h"

#include "VariantRules.h"

#include <QJSEngine>

namespace dvk {

const char ScriptEvaluator::ScriptText[] = "var fm=\"0\";\r\n"
                                           "var er=false;\r\n"
                                           "function calc()\r\n"
                                           "{\r\n"
                                           "er=false;\r\n"
                                           "try{\r\n"
                                           "return(eval(fm));\r\n"
                                           "}\r\n"
                                           "catch(e)\r\n"
                                           "{\r\n"
                                           "er=true;\r\n"
                                           "}\r\n"
                                           "}\r\n";
static_assert(sizeof(ScriptEvaluator::ScriptText) == 116 + 1);

ScriptEvaluator::ScriptEvaluator() = default;

ScriptEvaluator::~ScriptEvaluator()
{
    close();
}

bool ScriptEvaluator::start()
{
    close();
    m_error = true;
    auto engine = std::make_unique<QJSEngine>();
    const QJSValue result = engine->evaluate(QString::fromLatin1(ScriptText));
    if (result.isError() || engine->hasError())
        return false;
    m_engine = std::move(engine);
    m_error = false;
    return true;
}

void ScriptEvaluator::close()
{
    m_engine.reset();
    m_error = false;
}

double ScriptEvaluator::evaluate(const QString& expression)
{
    m_error = true;
    m_lastStop = Stop::None;
    if (!m_engine)
        return 0.0;

    m_watchdog.arm(m_engine.get(), m_timeLimit, m_memoryLimit);
    const std::optional<double> value = call(expression);
    m_lastStop = m_watchdog.disarm();

    if (m_lastStop != Stop::None) {
        // The runaway expression may have bound what it built to globals: drop them all.
        start();
        m_error = true;
        return 0.0;
    }
    return value.value_or(0.0);
}

// The steps of Evaluate after the engine check: sets the error field from `er` and gives the
// result of `calc`, or nothing when a step failed (the error field then stays true).
std::optional<double> ScriptEvaluator::call(const QString& expression)
{
    QJSValue global = m_engine->globalObject();
    const auto failed = [this] {
        if (m_engine->hasError())
            m_engine->catchError();
        return std::nullopt;
    };

    if (!global.hasProperty(QStringLiteral("fm")))
        return failed();
    global.setProperty(QStringLiteral("fm"), expression);
    if (m_engine->hasError() || !global.property(QStringLiteral("fm")).strictlyEquals(expression))
        return failed(); // the expression made `fm` read-only

    const QJSValue calc = global.property(QStringLiteral("calc"));
    if (!calc.isCallable())
        return failed();
    // call() gives what was thrown, and the watchdog's interruption, as an error object; a
    // returned error object would be an object, which does not convert either.
    const QJSValue result = calc.call();
    if (result.isError() || m_engine->hasError())
        return failed();
    const std::optional<double> value = variantToDouble(result);
    if (!value)
        return failed();

    if (!global.hasProperty(QStringLiteral("er")))
        return failed();
    const std::optional<bool> er = variantToBool(global.property(QStringLiteral("er")));
    m_error = er.value_or(true);
    return value;
}

} // namespace dvk
