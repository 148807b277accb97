#include "PurseStatsList.h"

#include "PurseColumnWidths.h"

#include <QEvent>
#include <QHeaderView>
#include <algorithm>

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
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fitRows();
    applyColumnWidths();
}

void PurseStatsList::fitRows()
{
    // The four rows share the height, as tight as the text allows and no looser than the other
    // lists' rows, so that they fit the designed height without a scroll bar.
    const int text = fontMetrics().height();
    const int shared = viewport()->height() / PurseStatistics::RowCount;
    verticalHeader()->setDefaultSectionSize(std::clamp(shared, text, text + 4));
}

bool PurseStatsList::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Resize)
        fitRows();
    return PurseListView::viewportEvent(event);
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
