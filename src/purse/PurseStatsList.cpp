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
    // The columns always share the width exactly; a scroll bar would only take a row's room.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The style's minimum row height would otherwise overrule the shared height.
    verticalHeader()->setMinimumSectionSize(1);
    fitRows();
    applyColumnWidths();
}

void PurseStatsList::fitRows()
{
    // The four rows share the height, no looser than the other lists' rows, so that all four
    // stay visible at the designed height without a scroll bar.
    const int text = fontMetrics().height();
    // The list has neither header nor scroll bars, so its rows get all within the frame (the
    // viewport may not have caught up with a hidden header yet).
    const int shared = (height() - 2 * frameWidth()) / PurseStatistics::RowCount;
    verticalHeader()->setDefaultSectionSize(std::clamp(shared, 1, text + 4));
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
    const auto widths = PurseColumnWidths::entryList(width, DialogUnits(font()));
    return {widths.begin(), widths.end()};
}

} // namespace dvk
