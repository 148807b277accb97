#include "PursePanelFrame.h"

#include "PanelTemplate.h"

namespace dvk {

PursePanelFrame::PursePanelFrame(QWidget* categoryList, QWidget* totalBox, QWidget* entryList,
                                 QWidget* statsList, QWidget* parent)
    : SplitterPanel(parent)
    , m_categoryList(PanelTemplate::adopt(categoryList, this))
    , m_totalBox(PanelTemplate::adoptLine(totalBox, this))
    , m_entryList(PanelTemplate::adopt(entryList, this))
    , m_statsList(PanelTemplate::adopt(statsList, this))
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
    return {m_categoryList->geometry(), m_totalBox->geometry(), m_entryList->geometry(),
            m_statsList->geometry()};
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
    m_categoryList->setGeometry(panes.categoryList);
    m_totalBox->setGeometry(panes.totalBox);
    m_entryList->setGeometry(panes.entryList);
    m_statsList->setGeometry(panes.statsList);
    recomputeColumns();
    update();
}

} // namespace dvk
