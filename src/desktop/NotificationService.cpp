#include "NotificationService.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

// The picture of a notification in the protocol's "image-data" hint: RGBA rows, 8 bits a sample.
struct ImageHint
{
    QImage image;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ImageHint& hint)
{
    const QImage& image = hint.image;
    argument.beginStructure();
    argument << image.width() << image.height() << int(image.bytesPerLine()) << true << 8 << 4
             << QByteArray(reinterpret_cast<const char*>(image.constBits()),
                           qsizetype(image.sizeInBytes()));
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ImageHint&)
{
    // DVK only ever sends pictures.
    return argument;
}

// Reasons of NotificationClosed.
constexpr uint ClosedByUser = 2;

} // namespace
} // namespace dvk

Q_DECLARE_METATYPE(dvk::ImageHint)

namespace dvk {

const QString NotificationService::ServiceName = u"org.freedesktop.Notifications"_s;
const QString NotificationService::ObjectPath = u"/org/freedesktop/Notifications"_s;
const QString NotificationService::InterfaceName = u"org.freedesktop.Notifications"_s;

NotificationService::NotificationService(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
{
    qDBusRegisterMetaType<ImageHint>();
    if (!m_bus.isConnected())
        return;
    m_bus.connect(ServiceName, ObjectPath, InterfaceName, u"ActionInvoked"_s, this,
                  SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(ServiceName, ObjectPath, InterfaceName, u"NotificationClosed"_s, this,
                  SLOT(onClosed(uint, uint)));
}

NotificationService::~NotificationService() = default;

void NotificationService::setImage(const QImage& image)
{
    if (image.isNull()) {
        m_imageHint = {};
        return;
    }
    m_imageHint = QVariant::fromValue(ImageHint{image.convertToFormat(QImage::Format_RGBA8888)});
}

void NotificationService::show(quint64 key, const QString& summary, const QString& body,
                               const QStringList& actions)
{
    if (!m_bus.isConnected())
        return;
    QVariantMap hints{{u"desktop-entry"_s, u"dvk"_s}, {u"category"_s, u"reminder"_s}};
    if (m_imageHint.isValid())
        hints.insert(u"image-data"_s, m_imageHint);
    QDBusMessage call =
        QDBusMessage::createMethodCall(ServiceName, ObjectPath, InterfaceName, u"Notify"_s);
    // Servers that understand markup would read "<" and "&" in a memo's text as tags.
    call << u"DVK"_s << m_idOfKey.value(key, 0u) << u"dvk"_s << summary << body.toHtmlEscaped()
         << actions << hints << -1;
    m_closeWhenShown.remove(key);
    ++m_pending;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, key](QDBusPendingCallWatcher* done) { notified(done, key); });
}

void NotificationService::notified(QDBusPendingCallWatcher* call, quint64 key)
{
    call->deleteLater();
    --m_pending;
    const QDBusPendingReply<uint> reply = *call;
    if (reply.isError())
        return;
    const uint id = reply.value();
    const uint previous = m_idOfKey.value(key, 0u);
    if (previous != 0 && previous != id)
        m_keyOfId.remove(previous);
    m_idOfKey.insert(key, id);
    m_keyOfId.insert(id, key);
    if (m_closeWhenShown.take(key))
        close(key);
}

void NotificationService::close(quint64 key)
{
    const uint id = m_idOfKey.value(key, 0u);
    if (id == 0) {
        // Still on its way to the service: closed as soon as its number is known.
        m_closeWhenShown.insert(key, true);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(ServiceName, ObjectPath, InterfaceName,
                                                       u"CloseNotification"_s);
    call << id;
    m_bus.asyncCall(call);
}

void NotificationService::onActionInvoked(uint id, const QString& action)
{
    const auto found = m_keyOfId.constFind(id);
    if (found != m_keyOfId.constEnd())
        Q_EMIT actionInvoked(*found, action);
}

void NotificationService::onClosed(uint id, uint reason)
{
    const auto found = m_keyOfId.constFind(id);
    if (found == m_keyOfId.constEnd())
        return;
    const quint64 key = *found;
    m_keyOfId.erase(found);
    m_idOfKey.remove(key);
    Q_EMIT closed(key, reason == ClosedByUser);
}

} // namespace dvk
