#pragma once

#include "ReportListView.h"

#include <functional>

class QDialog;

namespace dvk {

// A list of the Purse panel: a report list whose columns share the client width by the list's
// own rule. Dialogs are run through a replaceable runner so that tests can answer them.
class PurseListView : public ReportListView
{
    Q_OBJECT

public:
    // Runs a property dialog modally; true when it ended with OK.
    using DialogRunner = std::function<bool(QDialog&)>;

    explicit PurseListView(QWidget* parent = nullptr);

    // Fits the columns to the client width.
    void applyColumnWidths();
    void setDialogRunner(DialogRunner runner);

protected:
    // The widths of the columns for a client `width` pixels wide.
    virtual QList<int> columnWidths(int width) const = 0;
    bool runDialog(QDialog& dialog) const;
    void fitColumns() override { applyColumnWidths(); }

private:
    DialogRunner m_runDialog;
};

} // namespace dvk
