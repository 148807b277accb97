#pragma once

#include <QLockFile>
#include <QString>
#include <QSysInfo>

namespace dvk::base {

// The lock a running DVK holds in its data folder, and the one rule by which DVK and its
// installer tell whether a live copy holds it.
inline QString lockFilePath(const QString& dataFolder)
{
    return dataFolder + QStringLiteral("/DVK.lock");
}

// Tries to take `lock` (its stale time set to 0: a running copy may hold it for days). Only a
// lock record naming a live process on this machine counts as held; Qt takes over the lock of a
// dead process by itself, and an empty or unreadable record, or one written on another machine
// (a synced data folder), names no live copy here. A lock that cannot be made at all (a read-only
// folder) does not count as held either. On false the lock is ours.
inline bool heldByLiveCopy(QLockFile& lock)
{
    lock.setStaleLockTime(0);
    if (lock.tryLock(0) || lock.error() != QLockFile::LockFailedError)
        return false;
    qint64 pid = 0;
    QString host;
    QString app;
    if (lock.getLockInfo(&pid, &host, &app) && pid > 0 &&
        (host.isEmpty() || host == QSysInfo::machineHostName()))
        return true;
    lock.removeStaleLockFile();
    if (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError)
        return lock.getLockInfo(&pid, &host, &app) && pid > 0;
    return false;
}

// Whether a live DVK holds the lock of `dataFolder`; takes and releases the lock otherwise.
inline bool isRunningOn(const QString& dataFolder)
{
    QLockFile lock(lockFilePath(dataFolder));
    return heldByLiveCopy(lock);
}

} // namespace dvk::base
