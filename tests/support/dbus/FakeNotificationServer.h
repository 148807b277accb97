#pragma once

#include "BusService.h"

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <vector>

namespace dvk::test {

using namespace Qt::StringLiterals;

// A notification server for tests: owns org.freedesktop.Notifications on the bus it is given,
// records every call and sends the server's signals when told to.
class FakeNotificationServer final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notification
    {
        uint id;
        QString appName;
        uint replacesId;
        QString icon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };

    explicit FakeNotificationServer(const QDBusConnection& bus)
        : m_service(bus, u"org.freedesktop.Notifications"_s, u"/org/freedesktop/Notifications"_s,
                    this, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals)
    {}

    // Whether the service name is ours.
    bool isRegistered() const { return m_service.isRegistered(); }
    const std::vector<Notification>& notifications() const { return m_notifications; }
    const std::vector<uint>& closeCalls() const { return m_closed; }
    void clear() { m_notifications.clear(), m_closed.clear(); }
    // The user clicks action `key` of notification `id`.
    void invoke(uint id, const QString& key) { Q_EMIT ActionInvoked(id, key); }

public Q_SLOTS:
    uint Notify(const QString& appName, uint replacesId, const QString& icon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int)
    {
        const uint id = replacesId != 0 ? replacesId : ++m_lastId;
        m_notifications.push_back({id, appName, replacesId, icon, summary, body, actions, hints});
        return id;
    }
    void CloseNotification(uint id)
    {
        m_closed.push_back(id);
        Q_EMIT NotificationClosed(id, 3);
    }

Q_SIGNALS:
    void ActionInvoked(uint id, const QString& actionKey);
    void NotificationClosed(uint id, uint reason);

private:
    uint m_lastId = 0;
    std::vector<Notification> m_notifications;
    std::vector<uint> m_closed;
    BusService m_service;
};

} // namespace dvk::test
