#include "ReportListView.h"

#include <QEvent>
#include <QHeaderView>
#include <algorithm>

namespace dvk {

ReportListView::ReportListView(QWidget* parent)
    : QTableView(parent)
{
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    // A narrow list may leave a column only a pixel wide.
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &ReportListView::settle);
}

void ReportListView::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ReportListView::startSettle);
}

void ReportListView::settle()
{
    m_settle.stop();
    settled();
}

QList<int> ReportListView::selectedRowNumbers() const
{
    if (!selectionModel() || !model())
        return {};
    // Selection ranges rather than one index per cell: a list of 100,000 selected rows stays quick.
    QList<int> rows;
    const int rowCount = model()->rowCount();
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom() && row < rowCount; ++row)
            rows << row;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int ReportListView::firstSelectedRow() const
{
    const QList<int> rows = selectedRowNumbers();
    return rows.isEmpty() ? -1 : rows.first();
}

void ReportListView::selectOnlyRow(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount())
        return;
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

bool ReportListView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Resize)
        fitColumns();
    return QTableView::viewportEvent(event);
}

} // namespace dvk
