#pragma once

#include "Prompts.h"
#include "RecordList.h"
#include "SharedTexts.h"

#include <QApplication>
#include <QList>
#include <QScopeGuard>
#include <QSet>

namespace dvk {

// Removing selected rows works the same in every list: the user is asked "Remove selected
// Items?" first, then, under the wait cursor, the records at `rows` leave `model` before they
// are destroyed in `owner`, the list that holds them, so no view ever paints a destroyed record.
// `proceed` runs after a Yes and may still call the removal off by returning false. True when
// the records were removed.
template <class Model, class T, class Proceed>
bool removeRowsAfterAsking(QWidget* parent, const QList<int>& rows, Model& model,
                           RecordList<T>& owner, Proceed proceed)
{
    if (rows.isEmpty())
        return false;
    if (Prompts::current().message(parent, SharedTexts::RemoveSelectedItems,
                                   Prompts::Buttons::YesNo,
                                   Prompts::Icon::Question) != Prompts::Answer::Yes ||
        !proceed())
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    QSet<const T*> doomed;
    for (const int row : rows)
        doomed.insert(model.recordAt(row));
    model.removeRecords(doomed);
    owner.removeAll(doomed);
    return true;
}

template <class Model, class T>
bool removeRowsAfterAsking(QWidget* parent, const QList<int>& rows, Model& model,
                           RecordList<T>& owner)
{
    return removeRowsAfterAsking(parent, rows, model, owner, [] { return true; });
}

} // namespace dvk
