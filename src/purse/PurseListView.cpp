#include "PurseListView.h"

#include "PurseTotals.h"

#include <QDialog>
#include <QEvent>
#include <QHeaderView>

namespace dvk {

PurseListView::PurseListView(QWidget* parent)
    : QTableView(parent)
    , m_runDialog([](QDialog& dialog) { return dialog.exec() == QDialog::Accepted; })
{
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    // A narrow list may leave a column only a pixel wide.
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
}

QList<int> PurseListView::selectedRowNumbers() const
{
    if (!selectionModel() || !model())
        return {};
    QList<int> rows;
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows << row;
    }
    return selectedRowsInOrder(std::move(rows), model()->rowCount());
}

int PurseListView::firstSelectedRow() const
{
    const QList<int> rows = selectedRowNumbers();
    return rows.isEmpty() ? -1 : rows.first();
}

void PurseListView::selectOnlyRow(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount())
        return;
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

void PurseListView::applyColumnWidths()
{
    const QList<int> widths = columnWidths(viewport()->width());
    for (int column = 0; column < int(widths.size()); ++column)
        setColumnWidth(column, widths[column]);
}

void PurseListView::setDialogRunner(DialogRunner runner)
{
    m_runDialog = std::move(runner);
}

bool PurseListView::runDialog(QDialog& dialog) const
{
    return m_runDialog(dialog);
}

bool PurseListView::viewportEvent(QEvent* event)
{
    // A vertical scroll bar that comes or goes changes the client width as well.
    if (event->type() == QEvent::Resize)
        applyColumnWidths();
    return QTableView::viewportEvent(event);
}

} // namespace dvk
