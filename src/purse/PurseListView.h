#pragma once

#include <QList>
#include <QTableView>
#include <functional>

class QDialog;

namespace dvk {

// The look and the shared behaviour of the Purse lists: a report list with grid lines, whole rows
// selected, fixed row heights (so that 100,000 rows scroll smoothly) and column widths fitted to
// the client width whenever it changes. Dialogs are run through a replaceable runner so that
// tests can answer them.
class PurseListView : public QTableView
{
    Q_OBJECT

public:
    // Runs a property dialog modally; true when it ended with OK.
    using DialogRunner = std::function<bool(QDialog&)>;

    explicit PurseListView(QWidget* parent = nullptr);

    // The numbers of the selected rows, in row order.
    QList<int> selectedRowNumbers() const;
    // The lowest selected row, -1 when none is.
    int firstSelectedRow() const;
    // Selects only `row`, makes it the current row and scrolls it into view.
    void selectOnlyRow(int row);
    // Fits the columns to the client width.
    void applyColumnWidths();
    void setDialogRunner(DialogRunner runner);

protected:
    // The widths of the columns for a client `width` pixels wide.
    virtual QList<int> columnWidths(int width) const = 0;
    bool runDialog(QDialog& dialog) const;
    bool viewportEvent(QEvent* event) override;

private:
    DialogRunner m_runDialog;
};

} // namespace dvk
