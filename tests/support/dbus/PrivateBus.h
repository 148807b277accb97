#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>

namespace dvk::test {

// A session bus of the test's own (`dbus-daemon --session`), so that no test talks to the
// developer's desktop. The daemon ends with the object.
class PrivateBus final
{
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Empty when the daemon could not be started.
    QString address() const { return m_address; }
    // A new connection of its own to the bus, under `name`.
    QDBusConnection connect(const QString& name) const;

private:
    QProcess m_daemon;
    QString m_address;
};

} // namespace dvk::test
