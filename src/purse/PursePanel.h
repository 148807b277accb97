#pragma once

#include "PursePanelFrame.h"
#include "PurseTotalBox.h"
#include "RecordList.h"
#include "Records.h"

namespace dvk {

class PurseCategoryList;
class PurseEntryList;
class PurseStatsList;

// The Purse panel, the expense book: the categories with their totals and the total box on the
// left, the entries of the first selected category and their statistics on the right. It edits
// the data store's categories and entries in place; nothing is saved here.
class PursePanel final : public PursePanelFrame
{
    Q_OBJECT

public:
    // `clock` dates new entries; `starter` replaces the calculator engine's start in tests.
    PursePanel(RecordList<PurseCategory>& categories, const Clock& clock, QWidget* parent = nullptr,
               PurseTotalBox::EngineStarter starter = {});

    PurseCategoryList* purseCategoryList() const { return m_categories; }
    PurseTotalBox* purseTotalBox() const { return m_total; }
    PurseEntryList* purseEntryList() const { return m_entries; }
    PurseStatsList* purseStatsList() const { return m_stats; }
    // Selects category `categoryIndex` of the store alone, shows its entries at once and selects
    // entry `entryIndex` among them; false for an index outside the store.
    bool showEntry(int categoryIndex, int entryIndex);

public Q_SLOTS:
    // Categories were added, renamed or removed: shows the panel total again.
    void purseCategoriesChanged();
    // The shown category's entries changed: redraws its row (its total) and the panel total.
    void purseEntriesChanged();

protected:
    void recomputeColumns() override;

private:
    RecordList<PurseCategory>& m_records;
    PurseCategoryList* m_categories = nullptr;
    PurseTotalBox* m_total = nullptr;
    PurseEntryList* m_entries = nullptr;
    PurseStatsList* m_stats = nullptr;
};

} // namespace dvk
