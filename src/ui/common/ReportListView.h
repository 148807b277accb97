#pragma once

#include <QList>
#include <QTableView>

namespace dvk {

// The report-style list the Archives and Purse panels are made of: grid lines, whole rows
// selected, several rows selectable, fixed row heights (cheap with 100,000 rows), no editing in
// place, a header that is not clicked, a context menu asked for by signal, and column widths fitted
// again whenever the client width changes (a scroll bar that comes or goes changes it as well).
class ReportListView : public QTableView
{
    Q_OBJECT

public:
    // The selected rows in ascending order, each once, and the first of them (-1 without one).
    QList<int> selectedRowNumbers() const;
    int firstSelectedRow() const;
    // Selects only `row`, makes it current and scrolls it into view.
    void selectOnlyRow(int row);

protected:
    explicit ReportListView(QWidget* parent);

    // Fits the columns to the list's client width.
    virtual void fitColumns() = 0;
    bool viewportEvent(QEvent* event) override;
};

} // namespace dvk
