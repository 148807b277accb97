#pragma once

#include "ArchivesPanelFrame.h"

#include <memory>

namespace dvk {

class ArchiveFieldList;
class ArchiveItemList;
class CategoryFilterBox;
class DataStore;
class ItemNoteList;

// The Archives panel: the category box filters the item list below it; the item whose row is
// selected first shows its facts and notes in the two lists on the right once the selection has
// settled. Every edit changes the store's archive items in place.
class ArchivesPanel final : public ArchivesPanelFrame
{
    Q_OBJECT

public:
    explicit ArchivesPanel(DataStore& store, QWidget* parent = nullptr);
    ~ArchivesPanel() override;

    CategoryFilterBox* categoryBox() const { return m_categoryBox; }
    ArchiveItemList* itemList() const { return m_itemList; }
    ArchiveFieldList* fieldList() const { return m_fieldList; }
    ItemNoteList* noteList() const { return m_noteList; }

    // Shows archive item `itemIndex` of the store: the category box shows its category, the
    // item is selected with its facts and notes shown, and fact `factIndex` or note `noteIndex`
    // (either may be -1) is selected among them. False for an index outside the store.
    bool showItem(int itemIndex, int factIndex = -1, int noteIndex = -1);

public Q_SLOTS:
    // The item list applies the box's remembered text; the detail lists show no item.
    void applyChosenFilter();
    // The box shows the item list's filter text, which then is applied.
    void showCategory();
    // The detail lists show the first selected item.
    void showSettledItem();

protected:
    void recomputeColumns() override;

private:
    struct Panes;
    static Panes makePanes(DataStore& store);
    ArchivesPanel(DataStore& store, Panes&& panes, QWidget* parent);

    void dropRemovedItems();

    DataStore& m_store;
    CategoryFilterBox* m_categoryBox;
    ArchiveItemList* m_itemList;
    ArchiveFieldList* m_fieldList;
    ItemNoteList* m_noteList;
};

} // namespace dvk
