#include "PursePanel.h"

#include "PurseCategoryList.h"
#include "PurseCategoryModel.h"
#include "PurseEntryList.h"
#include "PurseEntryModel.h"
#include "PurseStatsList.h"

namespace dvk {

PursePanel::PursePanel(RecordList<PurseCategory>& categories, const Clock& clock, QWidget* parent,
                       PurseTotalBox::EngineStarter starter)
    // The frame adopts the four panes as its children.
    : PursePanelFrame(new PurseCategoryList(categories),
                      new PurseTotalBox(categories, nullptr, std::move(starter)),
                      new PurseEntryList(clock), new PurseStatsList, parent)
    , m_records(categories)
    , m_categories(static_cast<PurseCategoryList*>(categoryList()))
    , m_total(static_cast<PurseTotalBox*>(totalBox()))
    , m_entries(static_cast<PurseEntryList*>(entryList()))
    , m_stats(static_cast<PurseStatsList*>(statsList()))
{
    m_categories->setEntryList(m_entries);
    m_categories->setTotalBox(m_total);
    m_entries->setStatsList(m_stats);
    m_total->setCategoryList(m_categories);
    m_total->showPanelTotal();

    // Posted, as the lists announce changes while they are still updating themselves.
    connect(m_categories, &PurseCategoryList::purseCategoriesChanged, this,
            &PursePanel::purseCategoriesChanged, Qt::QueuedConnection);
    connect(m_entries, &PurseEntryList::purseEntriesChanged, this, &PursePanel::purseEntriesChanged,
            Qt::QueuedConnection);
    recomputeColumns();
}

bool PursePanel::showEntry(int categoryIndex, int entryIndex)
{
    if (categoryIndex < 0 || categoryIndex >= m_records.count())
        return false;
    PurseCategory* category = m_records.at(categoryIndex);
    const int row = m_categories->categoryModel()->rowOf(category);
    if (row < 0)
        return false;
    m_categories->selectOnlyRow(row);
    m_categories->settle();
    if (entryIndex < 0 || entryIndex >= category->entries.count())
        return false;
    m_entries->selectOnlyRow(m_entries->entryModel()->rowOf(category->entries.at(entryIndex)));
    return true;
}

void PursePanel::purseCategoriesChanged()
{
    m_total->showPanelTotal();
}

void PursePanel::purseEntriesChanged()
{
    m_categories->redrawFirstSelectedRow();
    m_total->showPanelTotal();
}

void PursePanel::recomputeColumns()
{
    // The frame lays the panes out once before the lists are known to this class.
    if (!m_stats)
        return;
    m_categories->applyColumnWidths();
    m_entries->applyColumnWidths();
    m_stats->applyColumnWidths();
}

} // namespace dvk
