#include "ItemPartList.h"

#include "DataStore.h"

namespace dvk {

ItemPartList::ItemPartList(DataStore& store, QWidget* parent)
    : ArchiveListView(parent)
    , m_store(store)
{}

ArchiveItem* ItemPartList::setShownItem(ArchiveItem* item)
{
    m_item = item;
    return m_item && m_store.archiveItems.contains(m_item) ? m_item : nullptr;
}

ArchiveItem* ItemPartList::validItem()
{
    if (m_item && m_store.archiveItems.contains(m_item))
        return m_item;
    // The rows may point into a destroyed item: they go at once.
    dropRows();
    m_item = nullptr;
    return nullptr;
}

} // namespace dvk
