#pragma once

#include "SearchHit.h"
#include "SearchSnapshot.h"

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QTreeView;

namespace dvk {

class DataStore;
class FindResultModel;
class SearchRunner;

// "DVK Find": a search box over every panel's records and the list of what matches, updated as
// the user types. Each keystroke starts a search on a worker thread, replacing the one before.
// Enter or a double-click on a row asks for its record to be shown (goToHit); the window does not
// know the panels.
//
// The worker searches a snapshot of the store's texts. Taking one costs 20 to 40 ms on a large
// store, too much for every keystroke, so it is taken when the window becomes active and kept
// while it stays active: the records are edited in the main window, and coming back here takes a
// new snapshot and searches again, so the rows never point at records that have gone.
class FindWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit FindWindow(const DataStore& store, QWidget* parent = nullptr);
    ~FindWindow() override;

    QLineEdit* searchBox() const { return m_box; }
    QTreeView* resultView() const { return m_view; }
    FindResultModel* model() const { return m_model; }
    QLabel* countLabel() const { return m_count; }
    SearchRunner* runner() const { return m_runner; }

public Q_SLOTS:
    // Searches for the box's text now.
    void search();
    // Goes to the current row, or the first one when none is current.
    void goToCurrent();

Q_SIGNALS:
    void goToHit(const dvk::SearchHit& hit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showCount();

    const DataStore& m_store;
    std::shared_ptr<const SearchSnapshot> m_snapshot;
    QLineEdit* m_box;
    QTreeView* m_view;
    FindResultModel* m_model;
    QLabel* m_count;
    SearchRunner* m_runner;
};

} // namespace dvk
