#pragma once

#include <QDate>
#include <QDateTime>

namespace dvk {

// The local clock. Everything that asks for "now" or "today" goes through one, so tests can fix
// the time.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }

    // The real local clock of the machine.
    static const Clock& system();
};

} // namespace dvk
