#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>

namespace dvk::test {

using namespace Qt::StringLiterals;

// A tray for tests: the StatusNotifier watcher that Qt looks for on the session bus before it
// offers a tray icon. It records the items that register.
class FakeStatusNotifierWatcher final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)

public:
    explicit FakeStatusNotifierWatcher(QDBusConnection bus)
        : m_bus(std::move(bus))
    {
        m_registered = m_bus.registerObject(u"/StatusNotifierWatcher"_s, this,
                                            QDBusConnection::ExportAllSlots |
                                                QDBusConnection::ExportAllProperties) &&
                       m_bus.registerService(u"org.kde.StatusNotifierWatcher"_s);
    }
    ~FakeStatusNotifierWatcher() override
    {
        m_bus.unregisterService(u"org.kde.StatusNotifierWatcher"_s);
        m_bus.unregisterObject(u"/StatusNotifierWatcher"_s);
    }

    bool isRegistered() const { return m_registered; }
    bool isHostRegistered() const { return true; }
    QStringList items() const { return m_items; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service) { m_items << service; }

private:
    QDBusConnection m_bus;
    bool m_registered = false;
    QStringList m_items;
};

} // namespace dvk::test
