#pragma once

#include <QString>

namespace dvk {

// Where the installer puts DVK, its menu entry and its own record, and where DVK keeps the user's
// data and settings. A user installs into their home; root installs for every user of the
// machine. Tests pick the user scope explicitly, so they never touch system folders.
class InstallPaths final
{
public:
    enum class Scope
    {
        User,
        System
    };

    explicit InstallPaths(Scope scope);
    // The system scope when running as root, the user scope otherwise.
    static InstallPaths forCurrentProcess();

    Scope scope() const { return m_scope; }

    // From the third character on, runs of '/' become one '/' and trailing '/' are removed; the
    // first two characters are never changed. A '\' is taken as a separator, as DVK does.
    static QString normalizePath(QString path);
    // The folder a user typed, as an absolute normalised path ("~/" means the home folder).
    // Blank text stays empty, so it is never taken for the current folder.
    static QString folderFromText(const QString& text);

    // ~/.local/opt for a user, /opt for root: the folder browser starts here.
    QString programFilesFolder() const;
    // The program files folder + "/Quillmark/DVK".
    QString defaultFolder() const;

    // The installer's own settings, holding the installation folder.
    QString recordFile() const;
    // Where the desktop entry, the menu group's .directory file and the merged menu file go.
    QString applicationsFolder() const;
    QString desktopDirectoriesFolder() const;
    QString mergedMenusFolder() const;

    // DVK's own files in the user's home: the data folder and the settings file.
    static QString userDataFolder();
    static QString userSettingsFile();

    // The files an installation consists of, formed from a non-blank installation folder.
    static QString programFile(const QString& folder);
    static QString helpFile(const QString& folder);
    static QString iconFile(const QString& folder);

    static const QString ProgramFileName;
    static const QString HelpFileName;
    static const QString IconFileName;

private:
    // `name` in the configuration or data folder of the scope: /etc/xdg or /usr/local/share for
    // the system, the XDG config or data home for the user.
    QString configPath(const QString& name) const;
    QString dataPath(const QString& name) const;

    Scope m_scope;
};

} // namespace dvk
