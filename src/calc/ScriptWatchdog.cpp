#include "ScriptWatchdog.h"

#include <QJSEngine>

#ifdef Q_OS_LINUX
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace dvk {

namespace {
constexpr std::chrono::milliseconds MemoryPollInterval{10};
}

ScriptWatchdog::~ScriptWatchdog()
{
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void ScriptWatchdog::arm(QJSEngine* engine, std::chrono::milliseconds timeLimit, qint64 memoryLimit)
{
    const qint64 base = memoryLimit > 0 ? residentBytes() : 0;
    {
        const std::lock_guard lock(m_mutex);
        m_engine = engine;
        m_deadline = std::chrono::steady_clock::now() + timeLimit;
        m_memoryBase = base;
        m_memoryLimit = base > 0 ? memoryLimit : 0;
        m_stop = Stop::None;
        if (!m_thread.joinable())
            m_thread = std::thread(&ScriptWatchdog::run, this);
    }
    m_wake.notify_one();
}

ScriptWatchdog::Stop ScriptWatchdog::disarm()
{
    const std::lock_guard lock(m_mutex);
    const Stop stop = m_stop;
    if (stop != Stop::None && m_engine)
        m_engine->setInterrupted(false);
    m_engine = nullptr;
    m_stop = Stop::None;
    return stop;
}

void ScriptWatchdog::run()
{
    std::unique_lock lock(m_mutex);
    while (!m_quit) {
        if (!m_engine || m_stop != Stop::None) {
            m_wake.wait(lock);
            continue;
        }
        const auto now = std::chrono::steady_clock::now();
        Stop stop = Stop::None;
        if (now >= m_deadline)
            stop = Stop::TimeLimit;
        else if (m_memoryLimit > 0 && residentBytes() - m_memoryBase > m_memoryLimit)
            stop = Stop::MemoryLimit;
        if (stop != Stop::None) {
            m_stop = stop;
            m_engine->setInterrupted(true);
            continue;
        }
        m_wake.wait_until(lock, m_memoryLimit > 0 ? std::min(m_deadline, now + MemoryPollInterval)
                                                  : m_deadline);
    }
}

qint64 ScriptWatchdog::residentBytes()
{
#ifdef Q_OS_LINUX
    // /proc/self/statm: total program size, then resident pages.
    const int fd = ::open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    char text[128];
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (n <= 0)
        return 0;
    text[n] = '\0';
    char* rest = nullptr;
    std::strtoll(text, &rest, 10);
    const long long pages = std::strtoll(rest, nullptr, 10);
    return qint64(pages) * ::sysconf(_SC_PAGESIZE);
#else
    return 0;
#endif
}

} // namespace dvk
