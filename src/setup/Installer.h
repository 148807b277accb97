#pragma once

#include "InstallPaths.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace dvk {

// Installs DVK from the bytes the installer carries, installs it again over an existing copy or
// removes it with the user's data and settings. It shows nothing: each operation returns what
// happened and the dialog tells the user.
class Installer final
{
public:
    struct Payload
    {
        QByteArray program;
        QByteArray help;
        QByteArray icon;
    };

    enum class Result
    {
        Done,
        CannotCreateFolder, // new install: the installation folder could not be made
        CopyFailed,         // the program file could not be written, or DVK is running
        CannotDelete,       // remove: DVK is running or the program file is still there
        NotRecorded,        // re-install or remove: no installation folder is recorded
    };

    Installer(Payload payload, InstallPaths paths);

    // Makes `path` and every folder above it; true when it is now an existing folder.
    static bool createFolderTree(const QString& path);
    // Writes `bytes` as `path` through a temporary file that replaces the old one only when
    // complete, so a failure leaves the previous file as it was. When not overwriting, an
    // existing file counts as success and is left alone.
    static bool writeResourceFile(const QByteArray& bytes, const QString& path, bool overwrite,
                                  QFileDevice::Permissions permissions);

    // The installation folder recorded by the last new install; empty when none is.
    QString recordedFolder() const;
    // A folder is recorded and the program file in it exists and is not a folder.
    bool isInstalled() const;

    // Installs into the folder the user typed and records it.
    Result newInstall(const QString& folderText);
    // Writes the help and the program again into the recorded folder, unless DVK is running.
    Result reinstall();
    // Removes the program, its help and folder, the user's data files, the menu entry and
    // DVK's settings, stopping at once while DVK is running or when the program file cannot be
    // deleted.
    Result remove();

    const Payload& payload() const { return m_payload; }
    const InstallPaths& paths() const { return m_paths; }

    static const QString RecordKey;
    static const QFileDevice::Permissions ProgramPermissions;
    static const QFileDevice::Permissions DocumentPermissions;

private:
    // Writes the help, the icon, the program and its menu entry into `folder`; false when the
    // program could not be written.
    bool writeFiles(const QString& folder) const;
    void removeUserData() const;

    Payload m_payload;
    InstallPaths m_paths;
};

} // namespace dvk
