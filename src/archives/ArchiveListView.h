#pragma once

#include <QTableView>
#include <memory>

class QMenu;

namespace dvk {

// The report-style list the Archives panel is made of: grid lines, whole rows selected, several
// rows selectable, fixed row heights (cheap with 100,000 rows), no editing in place. A right
// click opens the list's context menu and a double-click runs its edit command afterwards.
class ArchiveListView : public QTableView
{
    Q_OBJECT

public:
    explicit ArchiveListView(QWidget* parent = nullptr);

    // The selected rows in ascending order, and the first of them (-1 without a selection).
    QList<int> selectedRowNumbers() const;
    int firstSelectedRow() const;
    // Selects only `row`, makes it current and scrolls it into view.
    void selectOnlyRow(int row);

    // The context menu with its entries enabled for the current state.
    virtual std::unique_ptr<QMenu> makeContextMenu() = 0;
    // Fits the columns to the list's client width.
    virtual void recomputeColumns() = 0;

protected:
    // The command a double-click runs.
    virtual void editCommand() = 0;
    bool viewportEvent(QEvent* event) override;

private:
    void showContextMenu(const QPoint& pos);
};

} // namespace dvk
