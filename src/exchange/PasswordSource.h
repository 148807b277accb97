#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace dvk {

// Where a run without a window gets the data file's password from.
class PasswordSource
{
public:
    virtual ~PasswordSource() = default;
    // The password typed, without its line end; nullopt when none can be had (end of input).
    virtual std::optional<QByteArray> password(const QString& prompt) = 0;
};

// On a terminal: asks on standard error and reads standard input with echo off, the terminal
// set back even when a signal ends the program meanwhile. Otherwise reads one line of standard
// input, so that a script can pipe the password in.
class TerminalPassword final : public PasswordSource
{
public:
    std::optional<QByteArray> password(const QString& prompt) override;
};

} // namespace dvk
