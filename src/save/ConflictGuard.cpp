#include "ConflictGuard.h"

#include "Backup.h"

#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace dvk::ConflictGuard {

bool changedOutside(const QString& path, const FileIdentity& remembered)
{
    const FileIdentity now = FileIdentity::of(path, false);
    if (!now.exists)
        return false;
    if (!remembered.exists)
        return true;
    if (now.sameStat(remembered))
        return false;
    // Touched or rewritten with the same bytes (some sync tools do that) is no conflict.
    return now.size != remembered.size || FileIdentity::of(path, true).hash != remembered.hash;
}

QString conflictCopyName(const QString& path, const QDateTime& now)
{
    const QString base =
        path + QStringLiteral(".conflict-") + now.toString(QStringLiteral("yyyy-MM-dd-HHmm"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name) && n < 1000; ++n)
        name = base + u'-' + QString::number(n);
    return name;
}

QString keepCopy(const QString& path, const QDateTime& now)
{
    const QString target = conflictCopyName(path, now);
    const bool linked =
        ::link(QFile::encodeName(path).constData(), QFile::encodeName(target).constData()) == 0;
    if (!linked && !Backup::copyFileSafely(path, target))
        return {};
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return target;
}

bool stageOtherVersion(const QString& path, const QString& otherCopy, const QDateTime& now)
{
    if (keepCopy(path, now).isEmpty())
        return false;
    return Backup::stageRestore(otherCopy);
}

} // namespace dvk::ConflictGuard
