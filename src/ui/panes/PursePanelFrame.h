#pragma once

#include "PaneLayout.h"
#include "SplitterPanel.h"

namespace dvk {

// The frame of the Purse panel: the category list above the total box on the left, the entry
// list above the statistics list on the right, and a vertical bar between the columns. The
// panel's own controls are handed in; a missing one is replaced by an empty placeholder. The
// total box starts at 10/12 of its designed height.
class PursePanelFrame : public SplitterPanel
{
    Q_OBJECT

public:
    PursePanelFrame(QWidget* categoryList, QWidget* totalBox, QWidget* entryList,
                    QWidget* statsList, QWidget* parent = nullptr);

    PaneLayout::Purse panes() const;

protected:
    QWidget* categoryList() const { return m_categoryList; }
    QWidget* totalBox() const { return m_totalBox; }
    QWidget* entryList() const { return m_entryList; }
    QWidget* statsList() const { return m_statsList; }
    // Runs after the panes moved, for the lists to fit their columns to their new widths.
    virtual void recomputeColumns() {}

    void layoutPanes() override;
    QRect barRect(Bar bar) const override;
    std::pair<int, int> dragRange(Bar bar) const override;
    void dropBar(Bar bar, const QPoint& pos) override;

private:
    void applyPanes(const PaneLayout::Purse& panes);

    QWidget* m_categoryList;
    QWidget* m_totalBox;
    QWidget* m_entryList;
    QWidget* m_statsList;
};

} // namespace dvk
