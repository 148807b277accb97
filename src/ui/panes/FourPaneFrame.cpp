#include "FourPaneFrame.h"

namespace dvk {

FourPaneFrame::FourPaneFrame(const std::array<QWidget*, 4>& panes, QWidget* parent)
    : SplitterPanel(parent)
    , m_panes(panes)
{
    for (QWidget* pane : m_panes)
        pane->setParent(this);
}

std::array<QRect, 4> FourPaneFrame::paneRects() const
{
    return {m_panes[0]->geometry(), m_panes[1]->geometry(), m_panes[2]->geometry(),
            m_panes[3]->geometry()};
}

void FourPaneFrame::placePanes(const std::array<QRect, 4>& rects)
{
    for (size_t i = 0; i < m_panes.size(); ++i)
        m_panes[i]->setGeometry(rects[i]);
    recomputeColumns();
    update();
}

} // namespace dvk
