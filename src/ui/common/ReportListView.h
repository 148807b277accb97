#pragma once

#include <QList>
#include <QTableView>
#include <QTimer>

namespace dvk {

// The report-style list the Archives and Purse panels are made of: grid lines, whole rows
// selected, several rows selectable, fixed row heights (cheap with 100,000 rows), no editing in
// place, a header that is not clicked, a context menu asked for by signal, and column widths fitted
// again whenever the client width changes (a scroll bar that comes or goes changes it as well).
// A change of the selection settles for SettleMilliseconds before the list acts on it, so that a
// quick run of clicks or arrow keys does the work once.
class ReportListView : public QTableView
{
    Q_OBJECT

public:
    static constexpr int SettleMilliseconds = 50;

    // Also watches the selection of `model`'s rows.
    void setModel(QAbstractItemModel* model) override;
    bool isSettling() const { return m_settle.isActive(); }
    // Ends the settling at once and acts on what the list shows now.
    void settle();

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
    // What the list does once its selection was left alone for SettleMilliseconds.
    virtual void settled() {}
    void startSettle() { m_settle.start(); }
    void stopSettle() { m_settle.stop(); }

private:
    QTimer m_settle;
};

} // namespace dvk
