#pragma once

#include <QString>

namespace dvk {

class DataStore;

// The file side of backup and restore. A backup is a byte-for-byte copy of the data file taken
// right after saving; a restore is staged beside the data file and swapped in by the next start.
namespace Backup {

// Saves the store, then copies the data file over `target`. False when either step failed.
bool backupTo(DataStore& store, const QString& target);
// Copies `source` to the staging file. Choosing the staging file itself, or a file that does
// not read as a data file, fails.
bool stageRestore(const QString& source);
// Whether a file reads completely as a data file of any form; a sealed file counts by its
// preamble, since its password is asked for only at the next start. The file is never changed.
bool readsAsDataFile(const QString& path);
// At start-up: when a staging file exists, copies it over the data file and then deletes it.
// A failed copy keeps both files as they were. Returns false only when a staged restore could
// not be applied.
bool applyStagedRestore();

// Copies a file completely to a new file beside `to` and then replaces `to` with it, so a failed
// copy never leaves a half-written target.
bool copyFileSafely(const QString& from, const QString& to);

} // namespace Backup
} // namespace dvk
