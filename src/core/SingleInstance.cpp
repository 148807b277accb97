#include "SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace dvk {
namespace {

const QByteArray ShowRequest = QByteArrayLiteral("show\n");

} // namespace

SingleInstance::SingleInstance(QString folder, QObject* parent)
    : QObject(parent)
    , m_folder(std::move(folder))
{
    if (m_folder.isEmpty())
        m_folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (m_folder.isEmpty())
        m_folder = QDir::tempPath();
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    QDir().mkpath(m_folder);
    const QString socketPath = m_folder + QStringLiteral("/DVK.socket");
    m_lock = std::make_unique<QLockFile>(m_folder + QStringLiteral("/DVK.lock"));
    // A running copy may hold the lock for days; only a dead holder makes it stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        QLocalServer::removeServer(socketPath);
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        m_server.listen(socketPath);
        return true;
    }
    m_lock.reset();
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (socket.waitForConnected(2000)) {
        socket.write(ShowRequest);
        socket.waitForBytesWritten(2000);
        socket.disconnectFromServer();
    }
    return false;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(ShowRequest))
                Q_EMIT activationRequested();
        });
    }
}

} // namespace dvk
