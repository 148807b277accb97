#pragma once

#include "SplitterPanel.h"

#include <array>

namespace dvk {

// The frame of a panel made of four panes: it takes the four widgets handed in as its children,
// places them where the derived frame's layout rule says, and lets the lists fit their columns
// to their new widths afterwards.
class FourPaneFrame : public SplitterPanel
{
    Q_OBJECT

protected:
    FourPaneFrame(const std::array<QWidget*, 4>& panes, QWidget* parent);

    QWidget* pane(int index) const { return m_panes[size_t(index)]; }
    std::array<QRect, 4> paneRects() const;
    void placePanes(const std::array<QRect, 4>& rects);
    // Runs after the panes moved.
    virtual void recomputeColumns() {}

private:
    std::array<QWidget*, 4> m_panes;
};

} // namespace dvk
