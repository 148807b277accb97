#include "PurseCategoryList.h"

#include "MenuCommands.h"
#include "PurseCategoryDialog.h"
#include "PurseColumnWidths.h"
#include "PurseEntryList.h"
#include "PurseTotalBox.h"
#include "RemoveRecords.h"

#include <QApplication>
#include <QMenu>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace dvk {

PurseCategoryList::PurseCategoryList(RecordList<PurseCategory>& categories, QWidget* parent)
    : PurseListView(parent)
    , m_categories(categories)
    , m_model(new PurseCategoryModel(this))
{
    setModel(m_model);
    std::vector<PurseCategory*> rows;
    rows.reserve(size_t(categories.count()));
    for (PurseCategory* category : categories)
        rows.push_back(category);
    m_model->setRecords(std::move(rows));
    m_model->sortByName();

    connectListCommands(this, this, &PurseCategoryList::makeContextMenu, &PurseCategoryList::edit);
    applyColumnWidths();
}

void PurseCategoryList::setEntryList(PurseEntryList* entries)
{
    m_entries = entries;
}

void PurseCategoryList::setTotalBox(PurseTotalBox* totalBox)
{
    m_totalBox = totalBox;
}

std::span<const PurseCategory* const> PurseCategoryList::rows() const
{
    const std::vector<PurseCategory*>& records = m_model->records();
    return {records.data(), records.size()};
}

void PurseCategoryList::redrawFirstSelectedRow()
{
    m_model->rowChanged(firstSelectedRow());
}

void PurseCategoryList::settled()
{
    if (m_entries)
        m_entries->showCategory(m_model->recordAt(firstSelectedRow()));
    if (m_totalBox)
        m_totalBox->showPanelTotal();
}

void PurseCategoryList::add()
{
    PurseCategoryDialog dialog(this);
    if (!runDialog(dialog))
        return;
    PurseCategory* category = m_categories.add();
    category->name = dialog.name().toLocal8Bit();
    selectOnlyRow(m_model->append(category));
    applyColumnWidths();
    m_model->sortByName();
    scrollTo(currentIndex());
    startSettle();
    Q_EMIT purseCategoriesChanged();
}

void PurseCategoryList::edit()
{
    const int row = firstSelectedRow();
    PurseCategory* category = m_model->recordAt(row);
    if (!category)
        return;
    PurseCategoryDialog dialog(this);
    dialog.setName(QString::fromLocal8Bit(category->name));
    if (runDialog(dialog)) {
        category->name = dialog.name().toLocal8Bit();
        m_model->rowChanged(row);
    }
    m_model->sortByName();
    Q_EMIT purseCategoriesChanged();
}

void PurseCategoryList::remove()
{
    // The entry list lets go of its category before any category is destroyed.
    const auto releaseEntries = [this] {
        if (m_entries)
            m_entries->showCategory(nullptr);
        return true;
    };
    if (!removeRowsAfterAsking(this, selectedRowNumbers(), *m_model, m_categories, releaseEntries))
        return;
    applyColumnWidths();
    startSettle();
    Q_EMIT purseCategoriesChanged();
}

std::unique_ptr<QMenu> PurseCategoryList::makeContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    const int selected = int(selectedRowNumbers().size());
    addCommand(*menu, u"Add..."_s, this, &PurseCategoryList::add);
    addCommand(*menu, u"Edit..."_s, this, &PurseCategoryList::edit, selected == 1);
    menu->addSeparator();
    addCommand(*menu, u"Remove"_s, this, &PurseCategoryList::remove, selected > 0);
    return menu;
}

QList<int> PurseCategoryList::columnWidths(int width) const
{
    const auto widths = PurseColumnWidths::categoryList(width, DialogUnits(font()));
    return {widths.begin(), widths.end()};
}

} // namespace dvk
