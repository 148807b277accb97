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

} // namespace dvk
