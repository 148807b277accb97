#include "TerminalPassword.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <termios.h>
#include <unistd.h>

namespace dvk {
namespace {

termios savedTerminal;
struct sigaction savedActions[3];
constexpr int EndingSignals[3] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void restoreAndEnd(int signal)
{
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedTerminal);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// Turns echo off for its lifetime.
class NoEcho final
{
public:
    NoEcho()
    {
        if (::tcgetattr(STDIN_FILENO, &savedTerminal) != 0)
            return;
        m_active = true;
        struct sigaction action = {};
        action.sa_handler = restoreAndEnd;
        for (int i = 0; i < 3; ++i)
            ::sigaction(EndingSignals[i], &action, &savedActions[i]);
        termios quiet = savedTerminal;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    ~NoEcho()
    {
        if (!m_active)
            return;
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedTerminal);
        for (int i = 0; i < 3; ++i)
            ::sigaction(EndingSignals[i], &savedActions[i], nullptr);
    }
    NoEcho(const NoEcho&) = delete;
    NoEcho& operator=(const NoEcho&) = delete;

private:
    bool m_active = false;
};

// One line of standard input, byte by byte so that nothing after it is consumed into a buffer
// that would keep a copy of the password.
std::optional<QByteArray> readLine()
{
    QByteArray line;
    char c = 0;
    bool any = false;
    while (::read(STDIN_FILENO, &c, 1) == 1) {
        any = true;
        if (c == '\n')
            break;
        line.append(c);
    }
    if (!any)
        return std::nullopt;
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

std::optional<QByteArray> TerminalPassword::password(const QString& prompt)
{
    if (!::isatty(STDIN_FILENO))
        return readLine();
    std::fputs(prompt.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    const NoEcho quiet;
    return readLine();
}

} // namespace dvk
