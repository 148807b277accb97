#pragma once

#include "ClassifyLink.h"
#include "DialogUnits.h"
#include "ItemPartList.h"

#include <functional>
#include <utility>

namespace dvk {

class ArchiveFieldDialog;
class ArchiveFieldModel;
class DataStore;
struct ArchiveField;
struct ArchiveItem;

// The fact list of the Archives panel: the name/value facts of the shown item in their order,
// under "Basic Info.". Facts are added, edited and removed in the item; a single fact whose value
// is a web or mail address can be opened. Before every command and menu the list checks that the
// shown item is still in the store and otherwise acts as if no item were shown.
class ArchiveFieldList final : public ItemPartList
{
    Q_OBJECT

public:
    using DialogRunner = std::function<bool(ArchiveFieldDialog&)>;

    explicit ArchiveFieldList(DataStore& store, QWidget* parent = nullptr);
    ~ArchiveFieldList() override;

    // Name and value column widths: the name column keeps `nameWidth` but at most the client
    // width - 5 (never below 0); the value column gets the rest, at least 100 designed pixels
    // scaled by `units`.
    static std::pair<int, int> columnWidths(int nameWidth, int clientWidth,
                                            const DialogUnits& units);

    ArchiveFieldModel* fieldModel() const { return m_model; }
    void setDialogRunner(DialogRunner runner);

    // Shows the facts of `item` (none for a null item or one no longer in the store).
    void showItem(ArchiveItem* item);
    std::unique_ptr<QMenu> makeContextMenu() override;
    void recomputeColumns() override;

public Q_SLOTS:
    void add();
    void edit();
    void remove();
    void open();

protected:
    void editCommand() override { edit(); }
    void dropRows() override;

private:
    ArchiveFieldModel* m_model;
    DialogRunner m_runDialog;
};

} // namespace dvk
