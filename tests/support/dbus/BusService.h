#pragma once

#include <QDBusConnection>
#include <QString>

namespace dvk::test {

// Puts `object` on `bus` at `path` under the service name `service` for as long as it lives.
// A fake server holds one as its last member, so it is on the bus only while fully built.
class BusService final
{
public:
    BusService(QDBusConnection bus, const QString& service, const QString& path, QObject* object,
               QDBusConnection::RegisterOptions options)
        : m_bus(std::move(bus))
        , m_service(service)
        , m_path(path)
        , m_registered(m_bus.registerObject(m_path, object, options) &&
                       m_bus.registerService(m_service))
    {}
    ~BusService()
    {
        m_bus.unregisterService(m_service);
        m_bus.unregisterObject(m_path);
    }
    BusService(const BusService&) = delete;
    BusService& operator=(const BusService&) = delete;

    bool isRegistered() const { return m_registered; }

private:
    QDBusConnection m_bus;
    const QString m_service;
    const QString m_path;
    const bool m_registered;
};

} // namespace dvk::test
