#pragma once

#include "PurseCategoryModel.h"
#include "PurseListView.h"
#include "RecordList.h"

#include <memory>
#include <span>

class QMenu;

namespace dvk {

class PurseEntryList;
class PurseTotalBox;

// The expense categories of the data store by name, each with its total. Add, Edit and Remove
// change the store's categories in place and then announce purseCategoriesChanged(). Selection
// changes settle for 50 ms; then the entry list shows the first selected category (or nothing)
// and the total box shows the panel total.
class PurseCategoryList final : public PurseListView
{
    Q_OBJECT

public:
    explicit PurseCategoryList(RecordList<PurseCategory>& categories, QWidget* parent = nullptr);

    void setEntryList(PurseEntryList* entries);
    void setTotalBox(PurseTotalBox* totalBox);
    PurseCategoryModel* categoryModel() const { return m_model; }
    // The categories in row order.
    std::span<const PurseCategory* const> rows() const;
    // Redraws the first selected row, so that its total is computed again.
    void redrawFirstSelectedRow();
    // The context menu, its entries enabled for the current selection.
    std::unique_ptr<QMenu> makeContextMenu();

public Q_SLOTS:
    void add();
    void edit();
    void remove();

Q_SIGNALS:
    // Categories were added, renamed or removed: the panel total needs recomputing.
    void purseCategoriesChanged();

protected:
    QList<int> columnWidths(int width) const override;
    // Shows the first selected category and the panel total.
    void settled() override;

private:
    RecordList<PurseCategory>& m_categories;
    PurseCategoryModel* m_model;
    PurseEntryList* m_entries = nullptr;
    PurseTotalBox* m_totalBox = nullptr;
};

} // namespace dvk
