#pragma once

#include "PaneLayout.h"
#include "SplitterPanel.h"

namespace dvk {

// The frame of the Archives panel: the category box above the item list on the left, the field
// list above the note list on the right, a vertical bar between the columns and a horizontal bar
// between the two right lists. The panel's own lists are handed in; a missing one is replaced by
// an empty placeholder. Panes start where the panel was designed to have them.
class ArchivesPanelFrame : public SplitterPanel
{
    Q_OBJECT

public:
    ArchivesPanelFrame(QWidget* categoryBox, QWidget* itemList, QWidget* fieldList,
                       QWidget* noteList, QWidget* parent = nullptr);

    PaneLayout::Archives panes() const;

protected:
    QWidget* categoryBox() const { return m_categoryBox; }
    QWidget* itemList() const { return m_itemList; }
    QWidget* fieldList() const { return m_fieldList; }
    QWidget* noteList() const { return m_noteList; }
    // Runs after the panes moved, for the lists to fit their columns to their new widths.
    virtual void recomputeColumns() {}

    void layoutPanes() override;
    QRect barRect(Bar bar) const override;
    std::pair<int, int> dragRange(Bar bar) const override;
    void dropBar(Bar bar, const QPoint& pos) override;

private:
    void applyPanes(const PaneLayout::Archives& panes);

    QWidget* m_categoryBox;
    QWidget* m_itemList;
    QWidget* m_fieldList;
    QWidget* m_noteList;
};

} // namespace dvk
