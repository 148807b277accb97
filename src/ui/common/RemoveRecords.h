#pragma once

#include "Prompts.h"
#include "RecordList.h"

#include <QApplication>
#include <QList>
#include <QScopeGuard>
#include <QSet>

namespace dvk {

// Removing selected rows works the same in every list: the user is asked first, then the records
// leave the view's model before they are destroyed in the list that owns them, so no view ever
// paints a destroyed record.

// Asks `question` (Yes/No); true for Yes.
inline bool confirmRemoval(QWidget* parent, const QString& question)
{
    return Prompts::current().message(parent, question, Prompts::Buttons::YesNo,
                                      Prompts::Icon::Question) == Prompts::Answer::Yes;
}

// Under the wait cursor: takes the records shown at `rows` (found with `recordAt`) out of the
// view with `dropFromView`, then destroys them in `owner`.
template <class T, class RecordAt, class DropFromView>
void removeRecordsAt(const QList<int>& rows, RecordAt recordAt, DropFromView dropFromView,
                     RecordList<T>& owner)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    QSet<const T*> doomed;
    for (const int row : rows)
        doomed.insert(recordAt(row));
    dropFromView(doomed);
    owner.removeAll(doomed);
}

} // namespace dvk
