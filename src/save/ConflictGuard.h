#pragma once

#include "FileIdentity.h"

#include <QDateTime>
#include <QString>

namespace dvk {

// Keeps DVK from writing over a data file that something else replaced while DVK ran (a sync
// tool bringing another computer's version). Before each save the file on disk is compared with
// what DVK last read or wrote; when it is no longer that, the outside version is kept beside it
// as DVK.DAT.conflict-YYYY-MM-DD-HHMM before DVK's own store replaces it. Nothing is deleted.
namespace ConflictGuard {

// True when the file at `path` is not what `remembered` says DVK last read or wrote. A file
// that is gone is no conflict; one that appeared where there was none is.
bool changedOutside(const QString& path, const FileIdentity& remembered);

// The name a conflict copy of `path` made at `now` gets: `path`.conflict-YYYY-MM-DD-HHMM, with
// -2, -3, ... added when that name is taken.
QString conflictCopyName(const QString& path, const QDateTime& now);

// Keeps the file at `path` under its conflict copy name, readable by its owner only; a hard
// link where the file system has them, else a copy. The copy's path, or empty on failure.
QString keepCopy(const QString& path, const QDateTime& now);

// The user chose the other version kept at `otherCopy`: keeps the data file as it is now (DVK's
// own store, just saved) as a conflict copy too, and stages the other version as a restore, which
// the next start swaps in. False when either step failed; nothing is removed in any case.
bool stageOtherVersion(const QString& path, const QString& otherCopy, const QDateTime& now);

} // namespace ConflictGuard
} // namespace dvk
