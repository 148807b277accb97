#include "FakeStatusNotifierWatcher.h"

namespace dvk::test {

namespace {
const QString Path = QStringLiteral("/StatusNotifierWatcher");
const QString Service = QStringLiteral("org.kde.StatusNotifierWatcher");
} // namespace

FakeStatusNotifierWatcher::FakeStatusNotifierWatcher(const QDBusConnection& bus)
    : m_bus(bus)
{
    m_registered =
        m_bus.registerObject(Path, this,
                             QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                 QDBusConnection::ExportAllProperties) &&
        m_bus.registerService(Service);
}

FakeStatusNotifierWatcher::~FakeStatusNotifierWatcher()
{
    m_bus.unregisterService(Service);
    m_bus.unregisterObject(Path);
}

void FakeStatusNotifierWatcher::RegisterStatusNotifierItem(const QString& service)
{
    m_items << service;
    Q_EMIT StatusNotifierItemRegistered(service);
}

void FakeStatusNotifierWatcher::RegisterStatusNotifierHost(const QString&) {}

} // namespace dvk::test
