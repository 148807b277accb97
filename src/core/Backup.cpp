#include "Backup.h"

#include "DataFile.h"
#include "DataPaths.h"
#include "DataStore.h"
#include "SealedHeader.h"

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

bool readsAsDataFile(const QString& path)
{
    const QFileInfo info(path);
    // The reader removes a file shorter than its marker; a chosen file is only ever looked at.
    if (!info.isFile() || info.size() < 4)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A sealed file can only be read with its password, which the next start asks for.
    if (SealedHeader::hasPreamble(file.read(8)))
        return true;
    file.close();
    DataStore probe;
    const FileResult read = DataFile::loadFile(probe, path);
    return read.ok && !probe.loadFailed;
}

bool stageRestore(const QString& source)
{
    const QString staging = DataPaths::stagingFilePath();
    const QFileInfo chosen(source);
    if (chosen.exists() && chosen.canonicalFilePath() == QFileInfo(staging).canonicalFilePath())
        return false;
    if (!readsAsDataFile(source))
        return false;
    return copyFileSafely(source, staging);
}

bool applyStagedRestore()
{
    const QString staging = DataPaths::stagingFilePath();
    const QFileInfo info(staging);
    if (!info.exists() || info.isDir())
        return true;
    const QString data = DataPaths::dataFilePath();
    // A staged file that does not read would replace years of data with nothing: it is set
    // aside under a name of its own and the data file stays.
    if (!readsAsDataFile(staging)) {
        QString aside = staging + QStringLiteral(".refused");
        for (int n = 2; QFileInfo::exists(aside) && n < 1000; ++n)
            aside = staging + QStringLiteral(".refused-") + QString::number(n);
        QFile::rename(staging, aside);
        return false;
    }
    // The data file the restore replaces is kept beside it, so a mistaken restore can be undone.
    if (QFileInfo(data).isFile() && !copyFileSafely(data, data + QStringLiteral(".before-restore")))
        return false;
    if (!copyFileSafely(staging, data))
        return false;
    QFile::remove(staging);
    return true;
}

} // namespace dvk::Backup
