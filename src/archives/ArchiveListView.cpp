#include "ArchiveListView.h"

#include <QHeaderView>
#include <QMenu>
#include <algorithm>

namespace dvk {

ArchiveListView::ArchiveListView(QWidget* parent)
    : ReportListView(parent)
{
    verticalHeader()->setDefaultSectionSize(std::max(20, fontMetrics().height() + 4));
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    connect(this, &QWidget::customContextMenuRequested, this, &ArchiveListView::showContextMenu);
    connect(this, &QAbstractItemView::doubleClicked, this, [this] {
        QMetaObject::invokeMethod(this, &ArchiveListView::editCommand, Qt::QueuedConnection);
    });
}

void ArchiveListView::showContextMenu(const QPoint& pos)
{
    const std::unique_ptr<QMenu> menu = makeContextMenu();
    menu->exec(viewport()->mapToGlobal(pos));
}

} // namespace dvk
