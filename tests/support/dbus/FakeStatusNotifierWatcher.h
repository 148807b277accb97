#pragma once

#include "BusService.h"

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
        : m_service(std::move(bus), u"org.kde.StatusNotifierWatcher"_s, u"/StatusNotifierWatcher"_s,
                    this, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties)
    {}

    bool isRegistered() const { return m_service.isRegistered(); }
    bool isHostRegistered() const { return true; }
    QStringList items() const { return m_items; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service) { m_items << service; }

private:
    QStringList m_items;
    BusService m_service;
};

} // namespace dvk::test
