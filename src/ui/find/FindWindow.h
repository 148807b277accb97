#pragma once

#include "SearchHit.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QLineEdit;
class QTreeView;

namespace dvk {

class DataStore;
class FindResultModel;
class SearchRunner;

// "DVK Find": a search box over every panel's records and the list of what matches, updated as
// the user types. Each keystroke takes a snapshot of the store's texts and starts a search on a
// worker thread, replacing the one before. Enter or a double-click on a row asks for its record
// to be shown (goToHit); the window does not know the panels.
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

private:
    void showCount();

    const DataStore& m_store;
    QLineEdit* m_box;
    QTreeView* m_view;
    FindResultModel* m_model;
    QLabel* m_count;
    SearchRunner* m_runner;
};

} // namespace dvk
