#pragma once

#include <QtGlobal>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class QJSEngine;

namespace dvk {

// Guards one script evaluation at a time from a thread of its own. The evaluation runs on the
// caller's thread and blocks it, so no timer of that thread could fire; the watchdog thread
// interrupts the engine (QJSEngine::setInterrupted, which is thread-safe) when the evaluation
// runs longer than its time limit or, on Linux, when the process's resident memory grows by more
// than its memory limit (sampled every 10 ms). The engine honours the interruption at its next
// check, at the latest at a loop's turn or a call; a single built-in call on a huge object
// (filling an array of 10^8 elements, say) finishes its work first.
class ScriptWatchdog final
{
public:
    enum class Stop
    {
        None,
        TimeLimit,
        MemoryLimit
    };

    ScriptWatchdog() = default;
    ScriptWatchdog(const ScriptWatchdog&) = delete;
    ScriptWatchdog& operator=(const ScriptWatchdog&) = delete;
    ~ScriptWatchdog();

    // Starts guarding `engine` (not owned) until disarm(). A memory limit of 0 means none.
    void arm(QJSEngine* engine, std::chrono::milliseconds timeLimit, qint64 memoryLimit);
    // Stops guarding and says whether, and why, the engine was interrupted; an interrupted engine
    // is made runnable again.
    Stop disarm();

    // The process's resident memory in bytes; 0 where it cannot be read.
    static qint64 residentBytes();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    QJSEngine* m_engine = nullptr; // armed while not null
    std::chrono::steady_clock::time_point m_deadline;
    qint64 m_memoryBase = 0;
    qint64 m_memoryLimit = 0;
    Stop m_stop = Stop::None;
    bool m_quit = false;
    std::thread m_thread; // started by the first arm()
};

} // namespace dvk
