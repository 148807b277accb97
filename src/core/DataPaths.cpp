#include "DataPaths.h"

#include "PathRule.h"
#include "SettingsStore.h"

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

QString& folderForThisRun()
{
    static QString folder;
    return folder;
}

// The longest folder path the DataFolder setting may hold; a longer text is ignored.
constexpr qsizetype MaxFolderLength = 4096;

QString chosenFolder()
{
    if (!folderForThisRun().isEmpty())
        return folderForThisRun();
    const std::optional<QString> setting =
        SettingsStore().readText(DataFolderSetting, MaxFolderLength);
    if (setting && QDir::isAbsolutePath(*setting))
        return QDir::cleanPath(*setting);
    return {};
}

} // namespace

const QString DataFolderSetting = QStringLiteral("DataFolder");

void setFolderForThisRun(const QString& folder)
{
    folderForThisRun() =
        folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
}

QString normalizePath(QString path)
{
    return dvk::base::normalizePath(std::move(path));
}

QString userDataFolder()
{
    const QString chosen = chosenFolder();
    if (chosen.isEmpty())
        return defaultDataFolder();
    const QString path = normalizePath(chosen);
    QDir().mkpath(path);
    return path;
}

QString defaultDataFolder()
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
