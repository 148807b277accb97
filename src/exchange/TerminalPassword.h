#pragma once

#include "PasswordSource.h"

namespace dvk {

// On a terminal: asks on standard error and reads standard input with echo off, the terminal
// set back even when a signal ends the program meanwhile. Otherwise reads one line of standard
// input, so that a script can pipe the password in.
class TerminalPassword final : public PasswordSource
{
public:
    std::optional<QByteArray> password(const QString& prompt) override;
};

} // namespace dvk
