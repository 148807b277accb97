#pragma once

#include "ReportListView.h"

#include <memory>

class QMenu;

namespace dvk {

// A list of the Archives panel: a report list whose right click opens the list's context menu
// and whose double-click runs its edit command afterwards.
class ArchiveListView : public ReportListView
{
    Q_OBJECT

public:
    explicit ArchiveListView(QWidget* parent = nullptr);

    // The context menu with its entries enabled for the current state.
    virtual std::unique_ptr<QMenu> makeContextMenu() = 0;
    // Fits the columns to the list's client width.
    virtual void recomputeColumns() = 0;

protected:
    // The command a double-click runs.
    virtual void editCommand() = 0;
    void fitColumns() override { recomputeColumns(); }
};

} // namespace dvk
