#include "PurseListView.h"

#include <QDialog>
#include <QHeaderView>

namespace dvk {

PurseListView::PurseListView(QWidget* parent)
    : ReportListView(parent)
    , m_runDialog([](QDialog& dialog) { return dialog.exec() == QDialog::Accepted; })
{
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
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

} // namespace dvk
