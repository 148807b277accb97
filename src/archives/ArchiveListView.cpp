#include "ArchiveListView.h"

#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <algorithm>

namespace dvk {

ArchiveListView::ArchiveListView(QWidget* parent)
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
    verticalHeader()->setDefaultSectionSize(std::max(20, fontMetrics().height() + 4));
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    connect(this, &QWidget::customContextMenuRequested, this, &ArchiveListView::showContextMenu);
    connect(this, &QAbstractItemView::doubleClicked, this, [this] {
        QMetaObject::invokeMethod(this, &ArchiveListView::editCommand, Qt::QueuedConnection);
    });
}

QList<int> ArchiveListView::selectedRowNumbers() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    const QModelIndexList selected = selectionModel()->selectedRows();
    rows.reserve(selected.size());
    for (const QModelIndex& index : selected)
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

int ArchiveListView::firstSelectedRow() const
{
    const QList<int> rows = selectedRowNumbers();
    return rows.isEmpty() ? -1 : rows.first();
}

void ArchiveListView::selectOnlyRow(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount())
        return;
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

bool ArchiveListView::viewportEvent(QEvent* event)
{
    // The client width also changes when a scroll bar comes or goes.
    if (event->type() == QEvent::Resize)
        recomputeColumns();
    return QTableView::viewportEvent(event);
}

void ArchiveListView::showContextMenu(const QPoint& pos)
{
    const std::unique_ptr<QMenu> menu = makeContextMenu();
    menu->exec(viewport()->mapToGlobal(pos));
}

} // namespace dvk
