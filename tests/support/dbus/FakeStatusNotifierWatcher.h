#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>

namespace dvk::test {

// A tray for tests: the freedesktop StatusNotifier watcher that Qt looks for on the session bus
// before it offers a tray icon. It records the items that register.
class FakeStatusNotifierWatcher final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)

public:
    explicit FakeStatusNotifierWatcher(const QDBusConnection& bus);
    ~FakeStatusNotifierWatcher() override;

    bool isRegistered() const { return m_registered; }
    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList items() const { return m_items; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service);
    void RegisterStatusNotifierHost(const QString& service);

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString& service);

private:
    QDBusConnection m_bus;
    bool m_registered = false;
    QStringList m_items;
};

} // namespace dvk::test
