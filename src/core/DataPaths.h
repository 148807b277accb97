#pragma once

#include <QString>

namespace dvk {

// Where DVK keeps its files. Every path is computed anew on each call, so a folder removed while
// the program runs is created again on the next use.
namespace DataPaths {

// Turns "\" into "/", then from the third character on collapses runs of "/" into one and drops
// trailing "/"; the first two characters are left alone.
QString normalizePath(QString path);

// The folder of the data file, created when missing: the folder given for this run (see
// setFolderForThisRun), else the DataFolder setting when it holds an absolute path, else
// $XDG_DATA_HOME/Quillmark/DVK (normally ~/.local/share/Quillmark/DVK).
QString userDataFolder();
// The default folder above, whatever is chosen instead.
QString defaultDataFolder();
// The folder of the data file for the rest of this run (the --data-folder option); an empty
// text goes back to the setting and the default. Set once at start, before anything is read.
void setFolderForThisRun(const QString& folder);
// The name of the setting that chooses the data folder.
extern const QString DataFolderSetting;
// DVK.DAT in the user data folder.
QString dataFilePath();
// The restore staging file: the data file path with ".bak" appended.
QString stagingFilePath();

} // namespace DataPaths
} // namespace dvk
