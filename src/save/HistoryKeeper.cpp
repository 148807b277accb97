#include "HistoryKeeper.h"

#include "Backup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <unistd.h>

namespace dvk::HistoryKeeper {
namespace {

const QString Infix = QStringLiteral(".history-");
const QString TimePicture = QStringLiteral("yyyy-MM-dd-HH");

} // namespace

QString copyName(const QString& dataFile, const QDateTime& time)
{
    return dataFile + Infix + time.toString(TimePicture);
}

QString keepBeforeReplace(const QString& dataFile, const QDateTime& now)
{
    if (!QFileInfo(dataFile).isFile())
        return {};
    const QString target = copyName(dataFile, now);
    if (QFileInfo::exists(target))
        return {};
    const bool linked =
        ::link(QFile::encodeName(dataFile).constData(), QFile::encodeName(target).constData()) == 0;
    // A file system without hard links gets a copy; history is worth a copy once an hour.
    if (!linked && !Backup::copyFileSafely(dataFile, target))
        return {};
    prune(dataFile, now);
    return target;
}

QList<Copy> copies(const QString& dataFile)
{
    const QFileInfo data(dataFile);
    const QString prefix = data.fileName() + Infix;
    QList<Copy> found;
    const QFileInfoList entries =
        data.dir().entryInfoList({prefix + u'*'}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QDateTime time =
            QDateTime::fromString(entry.fileName().mid(prefix.size()), TimePicture);
        if (time.isValid())
            found.append({entry.filePath(), time, entry.lastModified(), entry.size()});
    }
    std::sort(found.begin(), found.end(),
              [](const Copy& a, const Copy& b) { return a.time > b.time; });
    return found;
}

QList<Copy> keptAt(const QList<Copy>& copies, const QDateTime& now)
{
    QSet<QString> keep;
    QSet<QDate> daysTaken;
    const QDate firstDay = now.date().addDays(-(DailyCopies - 1));
    int hourly = 0;
    for (const Copy& copy : copies) {
        if (hourly < HourlyCopies) {
            keep.insert(copy.path);
            ++hourly;
        }
        const QDate day = copy.time.date();
        if (day >= firstDay && !daysTaken.contains(day)) {
            daysTaken.insert(day);
            keep.insert(copy.path);
        }
    }
    QList<Copy> kept;
    for (const Copy& copy : copies) {
        if (keep.contains(copy.path))
            kept.append(copy);
    }
    return kept;
}

void prune(const QString& dataFile, const QDateTime& now)
{
    const QList<Copy> all = copies(dataFile);
    QSet<QString> kept;
    for (const Copy& copy : keptAt(all, now))
        kept.insert(copy.path);
    for (const Copy& copy : all) {
        if (!kept.contains(copy.path))
            QFile::remove(copy.path);
    }
}

} // namespace dvk::HistoryKeeper
