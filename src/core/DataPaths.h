#pragma once

#include <QString>

namespace dvk {

// Where DVK keeps its files. Every path is computed anew on each call, so a folder removed while
// the program runs is created again on the next use.
namespace DataPaths {

// Turns "\" into "/", then from the third character on collapses runs of "/" into one and drops
// trailing "/"; the first two characters are left alone.
QString normalizePath(QString path);

// $XDG_DATA_HOME/Quillmark/DVK (normally ~/.local/share/Quillmark/DVK), created when missing.
QString userDataFolder();
// DVK.DAT in the user data folder.
QString dataFilePath();
// The restore staging file: the data file path with ".bak" appended.
QString stagingFilePath();

} // namespace DataPaths
} // namespace dvk
