#include "ArchivesPanel.h"

#include "ArchiveFieldList.h"
#include "ArchiveFieldModel.h"
#include "ArchiveItemList.h"
#include "ArchiveSuggestions.h"
#include "CategoryFilterBox.h"
#include "DataStore.h"
#include "ItemNoteList.h"
#include "ItemNoteModel.h"

#include <QSignalBlocker>

namespace dvk {

// The panes are made before the frame that places them; the frame takes them as its children.
struct ArchivesPanel::Panes
{
    std::unique_ptr<CategoryFilterBox> categoryBox;
    std::unique_ptr<ArchiveItemList> itemList;
    std::unique_ptr<ArchiveFieldList> fieldList;
    std::unique_ptr<ItemNoteList> noteList;
};

ArchivesPanel::Panes ArchivesPanel::makePanes(DataStore& store)
{
    return {std::make_unique<CategoryFilterBox>(), std::make_unique<ArchiveItemList>(store),
            std::make_unique<ArchiveFieldList>(store), std::make_unique<ItemNoteList>(store)};
}

ArchivesPanel::ArchivesPanel(DataStore& store, QWidget* parent)
    : ArchivesPanel(store, makePanes(store), parent)
{}

ArchivesPanel::ArchivesPanel(DataStore& store, Panes&& panes, QWidget* parent)
    : ArchivesPanelFrame(panes.categoryBox.get(), panes.itemList.get(), panes.fieldList.get(),
                         panes.noteList.get(), parent)
    , m_store(store)
    , m_categoryBox(panes.categoryBox.release())
    , m_itemList(panes.itemList.release())
    , m_fieldList(panes.fieldList.release())
    , m_noteList(panes.noteList.release())
{
    m_categoryBox->setTexts(ArchiveSuggestions::categories(m_store.archiveItems));

    connect(m_categoryBox, &CategoryFilterBox::filterChosen, this,
            &ArchivesPanel::applyChosenFilter, Qt::QueuedConnection);
    connect(m_itemList, &ArchiveItemList::showCategoryRequested, this, &ArchivesPanel::showCategory,
            Qt::QueuedConnection);
    connect(m_itemList, &ArchiveItemList::itemSettled, this, &ArchivesPanel::showSettledItem,
            Qt::QueuedConnection);
    connect(m_itemList, &ArchiveItemList::itemsRemoved, this, &ArchivesPanel::dropRemovedItems);
    recomputeColumns();
}

ArchivesPanel::~ArchivesPanel() = default;

void ArchivesPanel::applyChosenFilter()
{
    m_itemList->applyFilter(m_categoryBox->rememberedText());
    m_fieldList->showItem(nullptr);
    m_noteList->showItem(nullptr);
}

void ArchivesPanel::showCategory()
{
    m_categoryBox->showText(m_itemList->filterText());
}

void ArchivesPanel::showSettledItem()
{
    ArchiveItem* item = m_itemList->firstSelectedItem();
    m_fieldList->showItem(item);
    m_noteList->showItem(item);
}

bool ArchivesPanel::showItem(int itemIndex, int factIndex, int noteIndex)
{
    if (itemIndex < 0 || itemIndex >= m_store.archiveItems.count())
        return false;
    ArchiveItem* item = m_store.archiveItems.at(itemIndex);
    {
        // Applied here at once rather than by the box's queued announcement, which would clear
        // the selection made below.
        const QSignalBlocker blocker(m_categoryBox);
        m_categoryBox->showText(QString::fromLocal8Bit(item->category));
    }
    applyChosenFilter();
    if (!m_itemList->selectItem(item))
        return false;
    showSettledItem();
    if (factIndex >= 0 && factIndex < item->fields.count()) {
        const int row = m_fieldList->fieldModel()->rowOf(item->fields.at(factIndex));
        m_fieldList->selectOnlyRow(row);
    }
    if (noteIndex >= 0 && noteIndex < item->notes.count()) {
        const int row = m_noteList->noteModel()->rowOf(item->notes.at(noteIndex));
        m_noteList->selectOnlyRow(row);
    }
    return true;
}

void ArchivesPanel::recomputeColumns()
{
    m_itemList->recomputeColumns();
    m_fieldList->recomputeColumns();
    m_noteList->recomputeColumns();
}

void ArchivesPanel::dropRemovedItems()
{
    // Removed items are destroyed at once; the detail lists must not paint them until the
    // selection settles.
    m_fieldList->validItem();
    m_noteList->validItem();
}

} // namespace dvk
