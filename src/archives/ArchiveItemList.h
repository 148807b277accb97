#pragma once

#include "ArchiveFilter.h"
#include "ArchiveListView.h"

#include <functional>

namespace dvk {

class ArchiveItemDialog;
class ArchiveItemModel;
class DataStore;

// The item list of the Archives panel: the items whose category matches the filter, sorted by
// name. Changes of the selection settle for 50 ms before itemSettled() asks the panel to show the
// first selected item. Add, Edit (of one or several items) and Remove edit the store's items in
// place; when an item's category moves it out of the filter, showCategoryRequested() asks the
// panel to switch the category box to the new filter.
class ArchiveItemList final : public ArchiveListView
{
    Q_OBJECT

public:
    // Runs a dialog modally; true when it ended with OK.
    using DialogRunner = std::function<bool(ArchiveItemDialog&)>;

    explicit ArchiveItemList(DataStore& store, QWidget* parent = nullptr);
    ~ArchiveItemList() override;

    ArchiveItemModel* itemModel() const { return m_model; }
    const QString& filterText() const { return m_filter.text(); }
    // The item of the first selected row, or none.
    ArchiveItem* firstSelectedItem() const;
    void setDialogRunner(DialogRunner runner);

    // Lists the items matching `filter`, sorted by name; the selection is cleared.
    void applyFilter(const QString& filter);
    // Makes the row of `item` the only selected one and scrolls to it, settled at once (no
    // itemSettled() follows); false when the item has no row.
    bool selectItem(const ArchiveItem* item);
    // Gives `item` a row at the end when it matches the filter; returns the row or -1.
    int offer(ArchiveItem* item);

    std::unique_ptr<QMenu> makeContextMenu() override;
    void recomputeColumns() override;

public Q_SLOTS:
    void add();
    void edit();
    void remove();

Q_SIGNALS:
    // The filter was changed to a category the box should show.
    void showCategoryRequested();
    // The selection has settled.
    void itemSettled();
    // Items were deleted from the store.
    void itemsRemoved();

protected:
    void editCommand() override { edit(); }
    void settled() override { Q_EMIT itemSettled(); }

private:
    void switchFilterTo(const QByteArray& category);
    QStringList allCategories() const;

    DataStore& m_store;
    ArchiveItemModel* m_model;
    ArchiveFilter m_filter;
    DialogRunner m_runDialog;
};

} // namespace dvk
