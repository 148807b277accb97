#pragma once

#include "MemoSchedule.h"
#include "RecordTableModel.h"

namespace dvk {

class IconLibrary;

// The rows of the Memo list: the memos of the data store in display order, held by pointer (the
// list keeps no copies). Texts and icons are computed whenever the view asks, so every repaint
// shows a memo's current state and countdown.
class MemoListModel final : public RecordTableModel<MemoRecord>
{
    Q_OBJECT

public:
    enum Column
    {
        TimeColumn,
        StatusColumn,
        NoteColumn,
        ColumnCount
    };

    // `icons` may be null: rows then show no icon.
    MemoListModel(const MemoSchedule& schedule, const IconLibrary* icons,
                  QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Orders the rows by due moment, earliest first, keeping the order of equal ones; selections
    // and the current row follow their memos.
    void sortByDueMoment();

private:
    void iconsChanged();

    const MemoSchedule& m_schedule;
    const IconLibrary* m_icons;
};

} // namespace dvk
