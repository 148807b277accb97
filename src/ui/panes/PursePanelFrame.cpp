#include "PursePanelFrame.h"

#include "PanelTemplate.h"

namespace dvk {

PursePanelFrame::PursePanelFrame(QWidget* categoryList, QWidget* totalBox, QWidget* entryList,
                                 QWidget* statsList, QWidget* parent)
    : FourPaneFrame({categoryList, totalBox, entryList, statsList}, parent)
{
    resize(PanelTemplate::toPixels(this, 0, 0, 317, 198).size());
    PaneLayout::Purse designed;
    designed.categoryList = PanelTemplate::toPixels(this, 0, 0, 100, 183);
    designed.totalBox = PanelTemplate::toPixels(this, 0, 186, 99, 12);
    designed.entryList = PanelTemplate::toPixels(this, 102, 0, 215, 156);
    designed.statsList = PanelTemplate::toPixels(this, 103, 158, 214, 40);
    applyPanes(PaneLayout::initialPurse(designed));
}

PaneLayout::Purse PursePanelFrame::panes() const
{
    const auto rects = paneRects();
    return {rects[0], rects[1], rects[2], rects[3]};
}

void PursePanelFrame::layoutPanes()
{
    applyPanes(PaneLayout::layoutPurse(rect(), panes()));
}

QRect PursePanelFrame::barRect(Bar bar) const
{
    return bar == Bar::Vertical ? PaneLayout::purseVerticalBar(panes()) : QRect();
}

std::pair<int, int> PursePanelFrame::dragRange(Bar) const
{
    return PaneLayout::verticalDragRange(rect());
}

void PursePanelFrame::dropBar(Bar bar, const QPoint& pos)
{
    if (bar == Bar::Vertical)
        applyPanes(PaneLayout::dropPurseVertical(rect(), panes(), pos.x()));
}

void PursePanelFrame::applyPanes(const PaneLayout::Purse& panes)
{
    placePanes({panes.categoryList, panes.totalBox, panes.entryList, panes.statsList});
}

} // namespace dvk
