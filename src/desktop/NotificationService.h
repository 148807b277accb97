#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QStringList>

class QDBusPendingCallWatcher;

namespace dvk {

// Desktop notifications through the freedesktop service org.freedesktop.Notifications. Each
// notification belongs to a key chosen by the caller; showing a key again replaces its
// notification on screen instead of stacking a second one. Every call is asynchronous, so the
// user-interface thread never waits for the service, and a missing or failing service only
// means that nothing is shown.
class NotificationService final : public QObject
{
    Q_OBJECT

public:
    static const QString ServiceName;
    static const QString ObjectPath;
    static const QString InterfaceName;

    // Talks to the service on `bus` (normally the session bus).
    explicit NotificationService(const QDBusConnection& bus, QObject* parent = nullptr);
    ~NotificationService() override;

    // Shows or replaces the notification of `key`. `actions` alternates action keys and the
    // texts of their buttons, as the protocol wants them.
    void show(quint64 key, const QString& summary, const QString& body, const QStringList& actions);
    // Takes the notification of `key` off the screen, if it is there.
    void close(quint64 key);
    // The picture sent with every notification, beside the icon name.
    void setImage(const QImage& image);

    // Calls sent and not yet answered.
    int pendingCalls() const { return m_pending; }

Q_SIGNALS:
    // The user chose an action (`default` for a click on the notification itself).
    void actionInvoked(quint64 key, const QString& action);
    // The notification of `key` is gone; `byUser` when the user closed it.
    void closed(quint64 key, bool byUser);

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& action);
    void onClosed(uint id, uint reason);

private:
    void notified(QDBusPendingCallWatcher* call, quint64 key);

    QDBusConnection m_bus;
    QHash<quint64, uint> m_idOfKey;
    QHash<uint, quint64> m_keyOfId;
    QHash<quint64, bool> m_closeWhenShown;
    QVariant m_imageHint;
    int m_pending = 0;
};

} // namespace dvk
