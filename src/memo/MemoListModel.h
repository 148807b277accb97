#pragma once

#include "MemoSchedule.h"

#include <QAbstractTableModel>
#include <QSet>
#include <vector>

namespace dvk {

class IconLibrary;

// The rows of the Memo list: the memos of the data store in display order, held by pointer (the
// list keeps no copies). Texts and icons are computed whenever the view asks, so every repaint
// shows a memo's current state and countdown.
class MemoListModel final : public QAbstractTableModel
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

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setMemos(std::vector<MemoRecord*> memos);
    // Appends a row and returns it.
    int append(MemoRecord* memo);
    // Takes the rows of these memos out.
    void removeMemos(const QSet<const MemoRecord*>& memos);
    MemoRecord* memoAt(int row) const;
    int rowOf(const MemoRecord* memo) const;
    const std::vector<MemoRecord*>& memos() const { return m_memos; }

    // Orders the rows by due moment, earliest first, keeping the order of equal ones; selections
    // and the current row follow their memos.
    void sortByDueMoment();
    // Tells the view that a row's texts or icon changed.
    void rowChanged(int row);

private:
    void iconsChanged();

    const MemoSchedule& m_schedule;
    const IconLibrary* m_icons;
    std::vector<MemoRecord*> m_memos;
};

} // namespace dvk
