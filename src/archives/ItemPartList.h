#pragma once

#include "ArchiveListView.h"
#include "RecordList.h"
#include "RemoveRecords.h"

namespace dvk {

class DataStore;
struct ArchiveItem;

// A list of the Archives panel that shows one part of the shown item: its facts or its notes.
// Before every command and menu the list checks that the shown item is still in the store and
// otherwise acts as if no item were shown.
class ItemPartList : public ArchiveListView
{
    Q_OBJECT

public:
    // The shown item if it is still in the store; otherwise the rows are dropped and null is
    // returned.
    ArchiveItem* validItem();

protected:
    ItemPartList(DataStore& store, QWidget* parent);

    DataStore& store() const { return m_store; }
    // Makes `item` the shown one; returns it if it is in the store, null otherwise.
    ArchiveItem* setShownItem(ArchiveItem* item);
    // Drops every row, for rows that may point into a destroyed item.
    virtual void dropRows() = 0;

    // Asks, then takes the selected rows out of `model` and destroys their records in the shown
    // item's `part`. False when nothing was removed.
    template <class Model, class T>
    bool removeSelected(Model& model, RecordList<T> ArchiveItem::*part)
    {
        ArchiveItem* item = validItem();
        return item && removeRowsAfterAsking(this, selectedRowNumbers(), model, item->*part,
                                             [this] { return validItem() != nullptr; });
    }

private:
    DataStore& m_store;
    ArchiveItem* m_item = nullptr;
};

} // namespace dvk
