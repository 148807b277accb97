#pragma once

#include "ScriptWatchdog.h"

#include <QString>
#include <chrono>
#include <memory>
#include <optional>

class QJSEngine;

namespace dvk {

// The engine host of the Purse calculator. One script engine per evaluator runs the
// calculator script, parsed once by start(); each evaluate() only sets the script's `fm` to the
// expression, calls its `calc` and reads its `er`. Globals that an expression makes (an
// assignment to an undeclared name) therefore stay for the next evaluation, and so does an
// expression that replaces `calc` itself. The result becomes a double by the VARIANT rules of
// VariantRules.h: numbers as they are (1/0 gives infinity without error), a text that reads as a
// number counts as that number, undefined (a statement without a value) is 0.0, true is -1 and
// false 0; null, objects, arrays and functions are errors.
//
// Beyond a plain engine host: an evaluation that runs longer than the time limit (0.8 s by
// default) or whose memory grows by more than the memory limit (128 MB by default) is
// interrupted by a watchdog thread and reported as an error. Because such an expression may have
// left its garbage bound to globals, the engine is then started afresh: the globals of earlier
// evaluations are gone after a runaway expression.
//
// Everything runs synchronously on the thread that created the evaluator.
class ScriptEvaluator final
{
public:
    // The script, exactly: 13 lines, each ended by CR LF, 116 characters.
    static const char ScriptText[];

    static constexpr std::chrono::milliseconds DefaultTimeLimit{800};
    // A runaway expression must be reported within a second, watchdog wake-up included.
    static_assert(DefaultTimeLimit <= std::chrono::milliseconds(900));
    static constexpr qint64 DefaultMemoryLimit = qint64(128) << 20;

    using Stop = ScriptWatchdog::Stop;

    ScriptEvaluator();
    ScriptEvaluator(const ScriptEvaluator&) = delete;
    ScriptEvaluator& operator=(const ScriptEvaluator&) = delete;
    ~ScriptEvaluator();

    // Starts, or restarts, the engine and parses the script. False when the engine cannot run the
    // script; the error field then stays true and every evaluation fails.
    bool start();
    // Evaluates `expression` as given (the caller trims it). Afterwards read error(): when it is
    // true the returned number means nothing (it is 0.0).
    double evaluate(const QString& expression);
    // Ends the engine; the error field becomes false.
    void close();

    // True while a start or an evaluation is in progress and after a failed one.
    bool error() const { return m_error; }
    bool isStarted() const { return m_engine != nullptr; }
    // Whether the watchdog stopped the last evaluation, and why.
    Stop lastStop() const { return m_lastStop; }

    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }
    // 0 means no memory limit (the time limit still holds).
    void setMemoryLimit(qint64 bytes) { m_memoryLimit = bytes; }

private:
    std::optional<double> call(const QString& expression);

    ScriptWatchdog m_watchdog;
    std::unique_ptr<QJSEngine> m_engine;
    bool m_error = false;
    Stop m_lastStop = Stop::None;
    std::chrono::milliseconds m_timeLimit = DefaultTimeLimit;
    qint64 m_memoryLimit = DefaultMemoryLimit;
};

} // namespace dvk
