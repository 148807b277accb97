#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace dvk {

// Keeps DVK to one running copy per data folder. The first copy holds a lock file in the data
// folder and listens on a local socket in the user's runtime folder; a later copy finds the lock
// held by a live copy, asks the first through the socket to bring its window up, and ends without
// loading or saving. Any other lock (a dead holder, an empty or unreadable record, a lock that
// cannot be made) lets this copy start.
class SingleInstance final : public QObject
{
    Q_OBJECT
public:
    // `folder`, where the socket lives, defaults to the user's runtime folder.
    explicit SingleInstance(QString folder = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is now the running copy. Otherwise another copy runs; it has been
    // asked to show itself (as far as it could be reached) and this one should end.
    bool claim();
    // Takes the data folder's lock for a run without a window (an import), which neither
    // listens for nor wakes another copy. False when a live copy holds the lock.
    bool lockQuietly();

Q_SIGNALS:
    // Another copy asked this one to show, restore and raise its window.
    void activationRequested();

private:
    void acceptConnection();

    QString m_folder;
    QString m_lockFolder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

} // namespace dvk
