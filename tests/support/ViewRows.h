#pragma once

#include <QAbstractItemView>
#include <QMap>
#include <QMenu>
#include <QStringList>
#include <algorithm>

namespace dvk::test {

// The texts of one column of a model, top to bottom.
inline QStringList column(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

// Selects exactly the given rows of a list, in the given order.
inline void selectRows(QAbstractItemView& view, const QList<int>& rows)
{
    view.clearSelection();
    for (const int row : rows)
        view.selectionModel()->select(view.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

inline QList<int> selectedRows(const QAbstractItemView& view)
{
    QList<int> rows;
    const QModelIndexList selected = view.selectionModel()->selectedIndexes();
    for (const QModelIndex& index : selected) {
        if (!rows.contains(index.row()))
            rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Each entry of a menu, by its text, with whether it is enabled.
inline QMap<QString, bool> menuState(const QMenu& menu)
{
    QMap<QString, bool> state;
    const QList<QAction*> actions = menu.actions();
    for (const QAction* action : actions) {
        if (!action->isSeparator())
            state.insert(action->text(), action->isEnabled());
    }
    return state;
}

// The enabled entries of a menu, by their texts, joined by '|'.
inline QString enabledEntries(const QMenu& menu)
{
    QStringList texts;
    const QList<QAction*> actions = menu.actions();
    for (const QAction* action : actions) {
        if (!action->isSeparator() && action->isEnabled())
            texts << action->text();
    }
    return texts.join(u'|');
}

} // namespace dvk::test
