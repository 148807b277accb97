#include "SingleInstance.h"

#include "DataPaths.h"
#include "RunningCopy.h"

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
    m_lockFolder = DataPaths::userDataFolder();
    const QString socketPath = m_folder + QStringLiteral("/DVK.socket");
    // The lock lives beside the data it protects, so that every copy using that data file sees
    // it whatever its runtime folder; the socket only needs to be found by copies of this session.
    m_lock = std::make_unique<QLockFile>(base::lockFilePath(m_lockFolder));
    if (!base::heldByLiveCopy(*m_lock)) {
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
    m_lock = std::make_unique<QLockFile>(base::lockFilePath(m_lockFolder));
    if (!base::heldByLiveCopy(*m_lock))
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
