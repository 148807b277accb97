#pragma once

#include "PurseEntryModel.h"
#include "PurseListView.h"

#include <memory>

class QMenu;

namespace dvk {

class Clock;
class PurseStatsList;

// The entries of the category chosen in the category list, by date in the current direction
// (oldest first at start; "Reverse Order" flips it). Add, Edit and Remove change the category's
// entries in place and then announce purseEntriesChanged(). Selection changes settle for 50 ms
// before the statistics list is refilled from the considered rows.
class PurseEntryList final : public PurseListView
{
    Q_OBJECT

public:
    explicit PurseEntryList(const Clock& clock, QWidget* parent = nullptr);

    void setStatsList(PurseStatsList* stats);
    // Shows the entries of `category`, or nothing for null. The statistics are blanked at once
    // and refilled when the settle timer fires.
    void showCategory(PurseCategory* category);
    PurseCategory* category() const { return m_category; }
    bool isOldestFirst() const { return m_oldestFirst; }
    PurseEntryModel* entryModel() const { return m_model; }
    // The context menu, its entries enabled for the current category and selection.
    std::unique_ptr<QMenu> makeContextMenu();

public Q_SLOTS:
    void add();
    void edit();
    void remove();
    void reverseOrder();
    // Refills the statistics from the selected rows (more than one) or all rows.
    void refreshStatistics();

Q_SIGNALS:
    // The shown category's entries changed: its total and the panel total need redrawing.
    void purseEntriesChanged();

protected:
    QList<int> columnWidths(int width) const override;
    void settled() override { refreshStatistics(); }

private:
    void sortByDate();

    const Clock& m_clock;
    PurseEntryModel* m_model;
    PurseStatsList* m_stats = nullptr;
    PurseCategory* m_category = nullptr;
    bool m_oldestFirst = true;
};

} // namespace dvk
