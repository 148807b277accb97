#pragma once

#include "InstallPaths.h"

#include <QString>

namespace dvk {

// DVK's menu entry: a freedesktop desktop entry inside a "Quillmark" menu group, which is made
// of a .directory file naming the group and a merged menu file placing the entry in it.
class ProgramShortcut final
{
public:
    explicit ProgramShortcut(InstallPaths paths);

    // Writes the desktop entry, the group's .directory file and the merged menu file; true when
    // all three were written.
    bool create(const QString& target, const QString& icon) const;
    // Deletes the entry and DVK's merged menu file; the group's .directory file goes too unless
    // another Quillmark program still places entries in the group.
    void remove() const;

    QString desktopEntryFile() const;
    QString directoryFile() const;
    QString menuFile() const;

    // The desktop entry starting `target` with the picture `icon`.
    static QByteArray desktopEntry(const QString& target, const QString& icon);
    static QByteArray directoryEntry();
    static QByteArray mergedMenu();

    static const QString Name;
    static const QString Description;
    static const QString GroupName;

private:
    InstallPaths m_paths;
};

} // namespace dvk
