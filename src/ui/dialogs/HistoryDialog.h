#pragma once

#include "HistoryKeeper.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

namespace dvk {

// "History": the kept earlier versions of the data file, newest first, with the date and time
// each was written and its size. "Restore" (enabled while a copy is selected) ends the dialog
// with that copy chosen; the caller stages it as "Restore..." stages a backup.
class HistoryDialog final : public QDialog
{
    Q_OBJECT

public:
    HistoryDialog(const QList<HistoryKeeper::Copy>& copies, QWidget* parent = nullptr);

    QTreeWidget* list() const { return m_list; }
    QPushButton* restoreButton() const { return m_restore; }
    // The path of the copy chosen with "Restore"; empty before.
    QString chosenCopy() const { return m_chosen; }

private:
    void choose();

    QList<HistoryKeeper::Copy> m_copies;
    QTreeWidget* m_list;
    QPushButton* m_restore;
    QString m_chosen;
};

} // namespace dvk
