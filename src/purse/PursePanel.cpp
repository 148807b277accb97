#include "PursePanel.h"

#include "PurseCategoryList.h"
#include "PurseEntryList.h"
#include "PurseStatsList.h"

namespace dvk {

PursePanel::PursePanel(RecordList<PurseCategory>& categories, const Clock& clock, QWidget* parent,
                       PurseTotalBox::EngineStarter starter)
    // The frame adopts the four panes as its children.
    : PursePanelFrame(new PurseCategoryList(categories),
                      new PurseTotalBox(categories, nullptr, std::move(starter)),
                      new PurseEntryList(clock), new PurseStatsList, parent)
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
