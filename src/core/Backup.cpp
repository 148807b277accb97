#include "Backup.h"

#include "DataPaths.h"
#include "DataStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace dvk::Backup {

bool copyFileSafely(const QString& from, const QString& to)
{
    QFile in(from);
    if (!QFileInfo(from).isFile() || !in.open(QIODevice::ReadOnly))
        return false;
    const bool existed = QFileInfo::exists(to);
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char chunk[65536];
    for (;;) {
        const qint64 n = in.read(chunk, sizeof chunk);
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(chunk, n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    if (!out.commit())
        return false;
    // Copies of the data file are private, like the data file itself.
    if (!existed)
        QFile::setPermissions(to, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

bool backupTo(DataStore& store, const QString& target)
{
    // A backup that silently held older data than the user sees would be worse than none.
    if (!store.save().ok)
        return false;
    return copyFileSafely(DataPaths::dataFilePath(), target);
}

bool stageRestore(const QString& source)
{
    const QString staging = DataPaths::stagingFilePath();
    const QFileInfo chosen(source);
    if (chosen.exists() && chosen.canonicalFilePath() == QFileInfo(staging).canonicalFilePath())
        return false;
    return copyFileSafely(source, staging);
}

bool applyStagedRestore()
{
    const QString staging = DataPaths::stagingFilePath();
    const QFileInfo info(staging);
    if (!info.exists() || info.isDir())
        return true;
    if (!copyFileSafely(staging, DataPaths::dataFilePath()))
        return false;
    QFile::remove(staging);
    return true;
}

} // namespace dvk::Backup
