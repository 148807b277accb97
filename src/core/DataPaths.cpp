#include "DataPaths.h"

#include "PathRule.h"

#include <QDir>
#include <QStandardPaths>

namespace dvk::DataPaths {
namespace {

QString appendFolder(const QString& base, const QString& name)
{
    const QString path = normalizePath(base + u'/' + name);
    QDir().mkpath(path);
    return path;
}

} // namespace

QString normalizePath(QString path)
{
    return dvk::base::normalizePath(std::move(path));
}

QString userDataFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return appendFolder(appendFolder(base, QStringLiteral("Quillmark")), QStringLiteral("DVK"));
}

QString dataFilePath()
{
    return normalizePath(userDataFolder() + QStringLiteral("/DVK.DAT"));
}

QString stagingFilePath()
{
    return dataFilePath() + QStringLiteral(".bak");
}

} // namespace dvk::DataPaths
