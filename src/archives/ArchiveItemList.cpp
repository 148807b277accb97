#include "ArchiveItemList.h"

#include "ArchiveItemDialog.h"
#include "ArchiveItemModel.h"
#include "ArchiveSuggestions.h"
#include "DataStore.h"
#include "MenuCommands.h"
#include "RemoveRecords.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace dvk {

ArchiveItemList::ArchiveItemList(DataStore& store, QWidget* parent)
    : ArchiveListView(parent)
    , m_store(store)
    , m_model(new ArchiveItemModel(this))
    , m_runDialog([](ArchiveItemDialog& dialog) { return dialog.exec() == QDialog::Accepted; })
{
    setModel(m_model);
    recomputeColumns();
}

ArchiveItemList::~ArchiveItemList() = default;

ArchiveItem* ArchiveItemList::firstSelectedItem() const
{
    return m_model->recordAt(firstSelectedRow());
}

void ArchiveItemList::setDialogRunner(DialogRunner runner)
{
    m_runDialog = std::move(runner);
}

void ArchiveItemList::applyFilter(const QString& filter)
{
    m_filter = ArchiveFilter(filter);
    std::vector<ArchiveItem*> rows = m_filter.select(m_store.archiveItems);
    ArchiveFilter::sortByName(rows);
    m_model->setRecords(std::move(rows));
    recomputeColumns();
}

bool ArchiveItemList::selectItem(const ArchiveItem* item)
{
    const int row = m_model->rowOf(item);
    if (row < 0)
        return false;
    selectOnlyRow(row);
    scrollTo(m_model->index(row, 0));
    stopSettle();
    return true;
}

int ArchiveItemList::offer(ArchiveItem* item)
{
    if (!m_filter.matches(*item))
        return -1;
    return m_model->append(item);
}

void ArchiveItemList::recomputeColumns()
{
    setColumnWidth(0, viewport()->width());
}

void ArchiveItemList::switchFilterTo(const QByteArray& category)
{
    m_filter = ArchiveFilter(QString::fromLocal8Bit(category));
    Q_EMIT showCategoryRequested();
}

QStringList ArchiveItemList::allCategories() const
{
    return ArchiveSuggestions::categories(m_store.archiveItems);
}

void ArchiveItemList::add()
{
    // Before a category is chosen the filter is a line break, which trims to nothing.
    ArchiveItemDialog dialog(allCategories(), filterText().trimmed(), QString(), true, this);
    if (!m_runDialog(dialog))
        return;
    ArchiveItem* item = m_store.archiveItems.add();
    item->name = dialog.name().toLocal8Bit();
    item->category = dialog.category().toLocal8Bit();
    const int row = offer(item);
    if (row < 0) {
        switchFilterTo(item->category);
        return;
    }
    selectOnlyRow(row);
    recomputeColumns();
    m_model->sortByName();
    scrollTo(m_model->index(m_model->rowOf(item), 0));
    startSettle();
}

void ArchiveItemList::edit()
{
    const QList<int> rows = selectedRowNumbers();
    if (rows.isEmpty())
        return;
    ArchiveItem* first = m_model->recordAt(rows.first());
    if (rows.size() == 1) {
        ArchiveItemDialog dialog(allCategories(), QString::fromLocal8Bit(first->category),
                                 QString::fromLocal8Bit(first->name), true, this);
        if (!m_runDialog(dialog))
            return;
        first->name = dialog.name().toLocal8Bit();
        first->category = dialog.category().toLocal8Bit();
        // Compared with the filter, not the old category: a filter that is only part of the
        // category gives way to the whole category.
        if (dialog.category().compare(filterText(), Qt::CaseInsensitive) != 0) {
            switchFilterTo(first->category);
        } else {
            m_model->sortByName();
            scrollTo(m_model->index(m_model->rowOf(first), 0));
        }
        return;
    }
    ArchiveItemDialog dialog(allCategories(), QString::fromLocal8Bit(first->category), QString(),
                             false, this);
    if (!m_runDialog(dialog))
        return;
    const QByteArray category = dialog.category().toLocal8Bit();
    for (const int row : rows)
        m_model->recordAt(row)->category = category;
    switchFilterTo(category);
}

void ArchiveItemList::remove()
{
    if (removeRowsAfterAsking(this, selectedRowNumbers(), *m_model, m_store.archiveItems))
        Q_EMIT itemsRemoved();
    recomputeColumns();
    startSettle();
}

std::unique_ptr<QMenu> ArchiveItemList::makeContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    const bool selected = selectionModel()->hasSelection();
    addCommand(*menu, u"Add..."_s, this, &ArchiveItemList::add);
    addCommand(*menu, u"Edit..."_s, this, &ArchiveItemList::edit, selected);
    menu->addSeparator();
    addCommand(*menu, u"Remove"_s, this, &ArchiveItemList::remove, selected);
    return menu;
}

} // namespace dvk
