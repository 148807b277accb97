#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

#include <memory>

namespace dvk {

// Keeps DVK to one running copy per user. The first copy holds a lock file in the user's runtime
// folder and listens on a local socket beside it; a later copy finds the lock taken, asks the
// first through the socket to bring its window up, and ends without loading or saving. A lock
// left by a process that died is taken over.
class SingleInstance final : public QObject
{
    Q_OBJECT
public:
    // `folder` defaults to the user's runtime folder.
    explicit SingleInstance(QString folder = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is now the running copy. Otherwise another copy runs; it has been
    // asked to show itself (as far as it could be reached) and this one should end.
    bool claim();

Q_SIGNALS:
    // Another copy asked this one to show, restore and raise its window.
    void activationRequested();

private:
    void acceptConnection();

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

} // namespace dvk
