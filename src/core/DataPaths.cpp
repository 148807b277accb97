#include "DataPaths.h"

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
    path.replace(u'\\', u'/');
    if (path.size() < 3)
        return path;
    QString out = path.left(2);
    out.reserve(path.size());
    for (qsizetype i = 2; i < path.size(); ++i) {
        if (path[i] == u'/' && i > 2 && path[i - 1] == u'/')
            continue;
        out += path[i];
    }
    while (out.size() > 3 && out.endsWith(u'/'))
        out.chop(1);
    return out;
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
