#pragma once

#include "PasswordSource.h"

#include <QString>

namespace dvk {

// `dvk --export FORMAT FILE` and `dvk --import FORMAT FILE`: run on the user's data file without
// a window. Export reads the saved file and never touches a running copy; import refuses while a
// copy runs on that data file (it would save over the import), holds the data folder's lock
// meanwhile and saves through the data file's safe save. A password-protected or sealed file
// asks `passwords` for its password.
class ExchangeCommand final
{
public:
    enum class Direction
    {
        Export,
        Import
    };

    struct Outcome
    {
        int exitCode = 0; // 0 done, 1 failed
        QString error;    // one line for standard error when it failed
        QString notice;   // what a successful import wants said, usually nothing
    };

    static Outcome run(Direction direction, const QString& format, const QString& file,
                       PasswordSource& passwords);
};

} // namespace dvk
