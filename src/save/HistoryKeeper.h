#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace dvk {

// Earlier versions of the data file, kept beside it as DVK.DAT.history-YYYY-MM-DD-HH. Before the
// first save of each clock hour replaces the file, the version it replaces is hard-linked to
// that hour's name (no bytes are copied, and the copy keeps the file's form and its 0600 mode).
// The newest HourlyCopies are kept, and for each of the last DailyCopies days its newest copy.
namespace HistoryKeeper {

inline constexpr int HourlyCopies = 24;
inline constexpr int DailyCopies = 14;

struct Copy
{
    QString path;
    QDateTime time;  // the clock hour the copy was taken in
    QDateTime saved; // when the version it holds was written
    qint64 size = 0;
};

// `dataFile`.history-YYYY-MM-DD-HH for the hour of `time`.
QString copyName(const QString& dataFile, const QDateTime& time);

// Before a save at `now` replaces `dataFile`: takes this hour's copy unless it exists already,
// then removes the copies no longer kept. The new copy's path, or empty when none was taken.
QString keepBeforeReplace(const QString& dataFile, const QDateTime& now);

// The kept copies of `dataFile`, newest first.
QList<Copy> copies(const QString& dataFile);

// Of `copies` (newest first), the ones kept at `now`.
QList<Copy> keptAt(const QList<Copy>& copies, const QDateTime& now);

// Removes every copy of `dataFile` that is not kept at `now`.
void prune(const QString& dataFile, const QDateTime& now);

} // namespace HistoryKeeper
} // namespace dvk
