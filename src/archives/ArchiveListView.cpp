#include "ArchiveListView.h"

#include "MenuCommands.h"

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

    connectListCommands(this, this, &ArchiveListView::makeContextMenu,
                        &ArchiveListView::editCommand);
}

} // namespace dvk
