#include "InstallPaths.h"

#include "PathRule.h"

#include <QDir>
#include <QStandardPaths>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

QString userDataHome()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? QDir::homePath() + u"/.local/share"_s : base;
}

QString userConfigHome()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base.isEmpty() ? QDir::homePath() + u"/.config"_s : base;
}

QString inFolder(const QString& folder, const QString& name)
{
    return InstallPaths::normalizePath(folder + u'/' + name);
}

} // namespace

const QString InstallPaths::ProgramFileName = u"dvk"_s;
const QString InstallPaths::HelpFileName = u"DVK.html"_s;
const QString InstallPaths::IconFileName = u"dvk.png"_s;

InstallPaths::InstallPaths(Scope scope)
    : m_scope(scope)
{}

InstallPaths InstallPaths::forCurrentProcess()
{
    return InstallPaths(::geteuid() == 0 ? Scope::System : Scope::User);
}

QString InstallPaths::normalizePath(QString path)
{
    return dvk::base::normalizePath(std::move(path));
}

QString InstallPaths::folderFromText(const QString& text)
{
    if (text.trimmed().isEmpty())
        return {};
    QString path = text;
    if (path == u"~"_s || path.startsWith(u"~/"_s))
        path = QDir::homePath() + path.mid(1);
    return normalizePath(QDir::isAbsolutePath(path) ? path
                                                    : QDir::current().absoluteFilePath(path));
}

QString InstallPaths::programFilesFolder() const
{
    return m_scope == Scope::System ? u"/opt"_s
                                    : normalizePath(QDir::homePath() + u"/.local/opt"_s);
}

QString InstallPaths::defaultFolder() const
{
    return inFolder(programFilesFolder(), u"Quillmark/DVK"_s);
}

QString InstallPaths::configPath(const QString& name) const
{
    return inFolder(m_scope == Scope::System ? u"/etc/xdg"_s : userConfigHome(), name);
}

QString InstallPaths::dataPath(const QString& name) const
{
    return inFolder(m_scope == Scope::System ? u"/usr/local/share"_s : userDataHome(), name);
}

QString InstallPaths::recordFile() const
{
    return configPath(u"QUILLMARK/DVKSetup.conf"_s);
}

QString InstallPaths::applicationsFolder() const
{
    return dataPath(u"applications"_s);
}

QString InstallPaths::desktopDirectoriesFolder() const
{
    return dataPath(u"desktop-directories"_s);
}

QString InstallPaths::mergedMenusFolder() const
{
    return configPath(u"menus/applications-merged"_s);
}

QString InstallPaths::userDataFolder()
{
    return inFolder(userDataHome(), u"Quillmark/DVK"_s);
}

QString InstallPaths::userSettingsFile()
{
    return inFolder(userConfigHome(), u"QUILLMARK/DVK.conf"_s);
}

QString InstallPaths::programFile(const QString& folder)
{
    return inFolder(folder, ProgramFileName);
}

QString InstallPaths::helpFile(const QString& folder)
{
    return inFolder(folder, HelpFileName);
}

QString InstallPaths::iconFile(const QString& folder)
{
    return inFolder(folder, IconFileName);
}

} // namespace dvk
