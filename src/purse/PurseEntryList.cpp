#include "PurseEntryList.h"

#include "MenuCommands.h"
#include "PurseColumnWidths.h"
#include "PurseRecordDialog.h"
#include "PurseStatistics.h"
#include "PurseStatsList.h"
#include "RemoveRecords.h"

#include <QApplication>
#include <QMenu>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace dvk {

PurseEntryList::PurseEntryList(const Clock& clock, QWidget* parent)
    : PurseListView(parent)
    , m_clock(clock)
    , m_model(new PurseEntryModel(this))
{
    setModel(m_model);
    connectListCommands(this, this, &PurseEntryList::makeContextMenu, &PurseEntryList::edit);
    applyColumnWidths();
}

void PurseEntryList::setStatsList(PurseStatsList* stats)
{
    m_stats = stats;
}

void PurseEntryList::showCategory(PurseCategory* category)
{
    stopSettle();
    m_category = category;
    if (m_stats)
        m_stats->clearStatistics();
    std::vector<PurseEntry*> rows;
    if (category) {
        rows.reserve(size_t(category->entries.count()));
        for (PurseEntry* entry : category->entries)
            rows.push_back(entry);
    }
    m_model->setRecords(std::move(rows));
    applyColumnWidths();
    if (!category)
        return;
    sortByDate();
    startSettle();
}

void PurseEntryList::refreshStatistics()
{
    stopSettle();
    if (!m_stats)
        return;
    const std::vector<PurseEntry*>& rows = m_model->records();
    m_stats->showStatistics(PurseStatistics::compute(
        std::span<const PurseEntry* const>(rows.data(), rows.size()), selectedRowNumbers()));
}

void PurseEntryList::add()
{
    if (!m_category)
        return;
    PurseRecordDialog dialog(m_clock, this);
    if (!runDialog(dialog))
        return;
    PurseEntry* entry = m_category->entries.add();
    dialog.storeInto(*entry);
    selectOnlyRow(m_model->append(entry));
    applyColumnWidths();
    sortByDate();
    startSettle();
    Q_EMIT purseEntriesChanged();
}

void PurseEntryList::edit()
{
    if (!m_category)
        return;
    PurseEntry* entry = m_model->recordAt(firstSelectedRow());
    if (!entry)
        return;
    PurseRecordDialog dialog(m_clock, this);
    dialog.loadFrom(*entry);
    if (!runDialog(dialog))
        return;
    dialog.storeInto(*entry);
    m_model->rowChanged(m_model->rowOf(entry));
    sortByDate();
    startSettle();
    Q_EMIT purseEntriesChanged();
}

void PurseEntryList::remove()
{
    if (!m_category ||
        !removeRowsAfterAsking(this, selectedRowNumbers(), *m_model, m_category->entries))
        return;
    applyColumnWidths();
    startSettle();
    Q_EMIT purseEntriesChanged();
}

void PurseEntryList::reverseOrder()
{
    if (!m_category)
        return;
    m_oldestFirst = !m_oldestFirst;
    sortByDate();
}

std::unique_ptr<QMenu> PurseEntryList::makeContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    const bool shown = m_category != nullptr;
    const int selected = int(selectedRowNumbers().size());
    addCommand(*menu, u"Add..."_s, this, &PurseEntryList::add, shown);
    addCommand(*menu, u"Edit..."_s, this, &PurseEntryList::edit, shown && selected == 1);
    addCommand(*menu, u"Reverse Order"_s, this, &PurseEntryList::reverseOrder,
               shown && m_model->rowCount() >= 2);
    menu->addSeparator();
    addCommand(*menu, u"Remove"_s, this, &PurseEntryList::remove, shown && selected > 0);
    return menu;
}

QList<int> PurseEntryList::columnWidths(int width) const
{
    const auto widths = PurseColumnWidths::entryList(width, DialogUnits(font()));
    return {widths.begin(), widths.end()};
}

void PurseEntryList::sortByDate()
{
    m_model->sortByDate(m_oldestFirst);
    if (currentIndex().isValid() && selectionModel()->isSelected(currentIndex()))
        scrollTo(currentIndex());
}

} // namespace dvk
