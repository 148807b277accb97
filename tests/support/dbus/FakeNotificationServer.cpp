#include "FakeNotificationServer.h"

namespace dvk::test {

namespace {
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Service = QStringLiteral("org.freedesktop.Notifications");
} // namespace

FakeNotificationServer::FakeNotificationServer(const QDBusConnection& bus)
    : m_bus(bus)
{
    m_registered =
        m_bus.registerObject(Path, this,
                             QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
        m_bus.registerService(Service);
}

FakeNotificationServer::~FakeNotificationServer()
{
    m_bus.unregisterService(Service);
    m_bus.unregisterObject(Path);
}

uint FakeNotificationServer::Notify(const QString& appName, uint replacesId, const QString& icon,
                                    const QString& summary, const QString& body,
                                    const QStringList& actions, const QVariantMap& hints, int)
{
    const uint id = replacesId != 0 ? replacesId : ++m_lastId;
    m_notifications.push_back({id, appName, replacesId, icon, summary, body, actions, hints});
    return id;
}

void FakeNotificationServer::CloseNotification(uint id)
{
    m_closed.push_back(id);
    Q_EMIT NotificationClosed(id, 3);
}

void FakeNotificationServer::invoke(uint id, const QString& key)
{
    Q_EMIT ActionInvoked(id, key);
}

} // namespace dvk::test
