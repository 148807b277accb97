#include "Installer.h"

#include "ProgramShortcut.h"
#include "RunningCopy.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace dvk {

const QString Installer::RecordKey = u"Installed Folder"_s;
const QFileDevice::Permissions Installer::DocumentPermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::ReadOther;
const QFileDevice::Permissions Installer::ProgramPermissions =
    Installer::DocumentPermissions | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
    QFileDevice::ExeOther;

Installer::Installer(Payload payload, InstallPaths paths)
    : m_payload(std::move(payload))
    , m_paths(paths)
{}

bool Installer::createFolderTree(const QString& path)
{
    const QString folder = InstallPaths::normalizePath(path);
    if (folder.isEmpty())
        return false;
    QDir().mkpath(folder);
    return QFileInfo(folder).isDir();
}

bool Installer::writeResourceFile(const QByteArray& bytes, const QString& path, bool overwrite,
                                  QFileDevice::Permissions permissions)
{
    if (!overwrite && QFileInfo::exists(path))
        return true;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // An unfinished QSaveFile discards its temporary file and leaves `path` untouched.
    if (file.write(bytes) != bytes.size() || !file.setPermissions(permissions))
        return false;
    return file.commit();
}

QString Installer::recordedFolder() const
{
    const QSettings record(m_paths.recordFile(), QSettings::IniFormat);
    const QString folder = record.value(RecordKey).toString();
    return folder.trimmed().isEmpty() ? QString() : InstallPaths::normalizePath(folder);
}

bool Installer::isInstalled() const
{
    const QString folder = recordedFolder();
    if (folder.isEmpty())
        return false;
    const QFileInfo program(InstallPaths::programFile(folder));
    return program.exists() && !program.isDir();
}

bool Installer::writeFiles(const QString& folder) const
{
    // Neither the help nor the icon is worth stopping for: DVK runs without them.
    writeResourceFile(m_payload.help, InstallPaths::helpFile(folder), true, DocumentPermissions);
    if (!m_payload.icon.isEmpty())
        writeResourceFile(m_payload.icon, InstallPaths::iconFile(folder), true,
                          DocumentPermissions);
    const QString program = InstallPaths::programFile(folder);
    if (!writeResourceFile(m_payload.program, program, true, ProgramPermissions))
        return false;
    ProgramShortcut(m_paths).create(program, InstallPaths::iconFile(folder));
    return true;
}

Installer::Result Installer::newInstall(const QString& folderText)
{
    const QString folder = InstallPaths::folderFromText(folderText);
    if (!createFolderTree(folder))
        return Result::CannotCreateFolder;
    if (!writeFiles(folder))
        return Result::CopyFailed;
    QDir().mkpath(QFileInfo(m_paths.recordFile()).path());
    QSettings record(m_paths.recordFile(), QSettings::IniFormat);
    record.setValue(RecordKey, folder);
    record.sync();
    return Result::Done;
}

Installer::Result Installer::reinstall()
{
    const QString folder = recordedFolder();
    if (folder.isEmpty())
        return Result::NotRecorded;
    // A running DVK would go on with its old program file and write its files again at its end.
    if (base::isRunningOn(InstallPaths::userDataFolder()))
        return Result::CopyFailed;
    if (!writeFiles(folder))
        return Result::CopyFailed;
    return Result::Done;
}

Installer::Result Installer::remove()
{
    const QString folder = recordedFolder();
    if (folder.isEmpty())
        return Result::NotRecorded;
    // Linux lets a running program's file be deleted; the running copy would then save the data
    // the user asked to remove again at its end.
    if (base::isRunningOn(InstallPaths::userDataFolder()))
        return Result::CannotDelete;
    const QString program = InstallPaths::programFile(folder);
    QFile::remove(program);
    if (QFileInfo::exists(program))
        return Result::CannotDelete;

    QFile::remove(InstallPaths::helpFile(folder));
    QFile::remove(InstallPaths::iconFile(folder));
    QDir().rmdir(folder);
    removeUserData();
    ProgramShortcut(m_paths).remove();
    QFile::remove(InstallPaths::userSettingsFile());
    QFile::remove(m_paths.recordFile());
    return Result::Done;
}

void Installer::removeUserData() const
{
    // A data folder chosen with the DataFolder setting (often a synced folder) holds the user's
    // data file, which stays; DVK's history copies of it are DVK's own and go.
    const QString chosen = QSettings(InstallPaths::userSettingsFile(), QSettings::IniFormat)
                               .value(u"Settings/DataFolder"_s)
                               .toString();
    if (QDir::isAbsolutePath(chosen)) {
        const QFileInfoList copies =
            QDir(chosen).entryInfoList({u"DVK.DAT.history-*"_s}, QDir::Files | QDir::Hidden);
        for (const QFileInfo& copy : copies)
            QFile::remove(copy.absoluteFilePath());
    }
    const QString folder = InstallPaths::userDataFolder();
    const QDir data(folder);
    if (!data.exists())
        return;
    // Only files directly inside: whatever the user keeps in subfolders stays, and so does the
    // folder holding them.
    const QFileInfoList entries = data.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries)
        QFile::remove(entry.absoluteFilePath());
    QDir().rmdir(folder);
}

} // namespace dvk
