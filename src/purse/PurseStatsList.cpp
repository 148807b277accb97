#include "PurseStatsList.h"

#include "PurseColumnWidths.h"

#include <QHeaderView>

namespace dvk {

PurseStatsList::PurseStatsList(QWidget* parent)
    : PurseListView(parent)
    , m_model(new PurseStatsModel(this))
{
    setModel(m_model);
    horizontalHeader()->hide();
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    // The four rows fit the designed height without a scroll bar.
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    applyColumnWidths();
}

void PurseStatsList::showStatistics(const PurseStatistics& statistics)
{
    m_model->setStatistics(statistics);
}

void PurseStatsList::clearStatistics()
{
    m_model->setStatistics(PurseStatistics());
}

QList<int> PurseStatsList::columnWidths(int width) const
{
    const auto widths = PurseColumnWidths::entryList(width);
    return {widths.begin(), widths.end()};
}

} // namespace dvk
