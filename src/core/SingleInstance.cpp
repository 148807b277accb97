#include "SingleInstance.h"

#include "DataPaths.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSysInfo>

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

bool SingleInstance::heldByLiveCopy()
{
    if (m_lock->tryLock(0))
        return false;
    if (m_lock->error() != QLockFile::LockFailedError)
        return false; // a lock that cannot be made at all must not keep DVK from starting
    qint64 pid = 0;
    QString host;
    QString app;
    // Qt takes over a lock of a dead process on this machine by itself. An empty or unreadable
    // record, or one written on another machine (a synced data folder), names no live copy here.
    if (m_lock->getLockInfo(&pid, &host, &app) && pid > 0 &&
        (host.isEmpty() || host == QSysInfo::machineHostName()))
        return true;
    m_lock->removeStaleLockFile();
    if (!m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError)
        return m_lock->getLockInfo(&pid, &host, &app) && pid > 0;
    return false;
}

bool SingleInstance::claim()
{
    QDir().mkpath(m_folder);
    m_lockFolder = DataPaths::userDataFolder();
    const QString socketPath = m_folder + QStringLiteral("/DVK.socket");
    // The lock lives beside the data it protects, so that every copy using that data file sees
    // it whatever its runtime folder; the socket only needs to be found by copies of this session.
    m_lock = std::make_unique<QLockFile>(m_lockFolder + QStringLiteral("/DVK.lock"));
    // A running copy may hold the lock for days; only a dead holder makes it stale.
    m_lock->setStaleLockTime(0);
    if (!heldByLiveCopy()) {
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

bool SingleInstance::lockQuietly()
{
    m_lockFolder = DataPaths::userDataFolder();
    m_lock = std::make_unique<QLockFile>(m_lockFolder + QStringLiteral("/DVK.lock"));
    m_lock->setStaleLockTime(0);
    if (!heldByLiveCopy())
        return true;
    m_lock.reset();
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
