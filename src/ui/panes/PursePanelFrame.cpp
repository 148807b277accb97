#include "PursePanelFrame.h"

#include "PanelTemplate.h"

namespace dvk {
namespace {

using Bar = SplitterPanel::Bar;

QRect bar(Bar bar, const PaneLayout::Purse& panes)
{
    return bar == Bar::Vertical ? PaneLayout::purseVerticalBar(panes) : QRect();
}

std::pair<int, int> dragRange(Bar, const QRect& client, const PaneLayout::Purse&)
{
    return PaneLayout::verticalDragRange(client);
}

PaneLayout::Purse drop(Bar bar, const QRect& client, const PaneLayout::Purse& current,
                       const QPoint& pos)
{
    return bar == Bar::Vertical ? PaneLayout::dropPurseVertical(client, current, pos.x()) : current;
}

const PaneFrame<PaneLayout::Purse>::Rules PurseRules{&PaneLayout::layoutPurse, &bar, &dragRange,
                                                     &drop};

} // namespace

PursePanelFrame::PursePanelFrame(QWidget* categoryList, QWidget* totalBox, QWidget* entryList,
                                 QWidget* statsList, QWidget* parent)
    : PaneFrame(PurseRules, {categoryList, totalBox, entryList, statsList}, parent)
{
    PaneLayout::Purse designed;
    designed.categoryList = PanelTemplate::toPixels(this, 0, 0, 100, 183);
    designed.totalBox = PanelTemplate::toPixels(this, 0, 186, 99, 12);
    designed.entryList = PanelTemplate::toPixels(this, 102, 0, 215, 156);
    designed.statsList = PanelTemplate::toPixels(this, 103, 158, 214, 40);
    applyPanes(PaneLayout::initialPurse(designed));
}

} // namespace dvk
