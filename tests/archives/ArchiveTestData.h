#pragma once

#include "DataStore.h"

#include <QAbstractItemModel>
#include <QMenu>
#include <initializer_list>
#include <utility>

namespace dvk::test {

// Adds an item with facts (name, value pairs) to a store.
inline ArchiveItem* addItem(DataStore& store, const char* category, const char* name,
                            std::initializer_list<std::pair<const char*, const char*>> facts = {})
{
    ArchiveItem* item = store.archiveItems.add();
    item->category = category;
    item->name = name;
    for (const auto& [factName, value] : facts) {
        ArchiveField* field = item->fields.add();
        field->name = factName;
        field->value = value;
    }
    return item;
}

inline NoteRecord* addNote(ArchiveItem& item, int year, int month, int day, const char* text,
                           int imageIndex = 0)
{
    NoteRecord* note = item.notes.add();
    note->year = year;
    note->month = month;
    note->day = day;
    note->text = text;
    note->imageIndex = imageIndex;
    return note;
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

inline QStringList column(const QAbstractItemModel* model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

} // namespace dvk::test
