#include "ArchivesPanelFrame.h"

#include "PanelTemplate.h"

#include <algorithm>

namespace dvk {

ArchivesPanelFrame::ArchivesPanelFrame(QWidget* categoryBox, QWidget* itemList, QWidget* fieldList,
                                       QWidget* noteList, QWidget* parent)
    : FourPaneFrame({categoryBox, itemList, fieldList, noteList}, parent)
{
    resize(PanelTemplate::toPixels(this, 0, 0, 317, 198).size());
    PaneLayout::Archives designed;
    designed.categoryBox = PanelTemplate::toPixels(this, 0, 0, 90, 12);
    designed.categoryBox.setHeight(categoryBox->sizeHint().height());
    designed.itemList = PanelTemplate::toPixels(this, 0, 14, 90, 184);
    // A box taller than designed pushes the item list down rather than covering it.
    designed.itemList.setTop(std::max(designed.itemList.top(),
                                      designed.categoryBox.bottom() + 1 + PaneLayout::BarWidth));
    designed.fieldList = PanelTemplate::toPixels(this, 92, 0, 225, 64);
    designed.noteList = PanelTemplate::toPixels(this, 92, 66, 225, 132);
    applyPanes(designed);
}

PaneLayout::Archives ArchivesPanelFrame::panes() const
{
    const auto rects = paneRects();
    return {rects[0], rects[1], rects[2], rects[3]};
}

void ArchivesPanelFrame::layoutPanes()
{
    applyPanes(PaneLayout::layoutArchives(rect(), panes()));
}

QRect ArchivesPanelFrame::barRect(Bar bar) const
{
    switch (bar) {
    case Bar::Vertical:
        return PaneLayout::archivesVerticalBar(panes());
    case Bar::Horizontal:
        return PaneLayout::archivesHorizontalBar(panes());
    case Bar::None:
        break;
    }
    return {};
}

std::pair<int, int> ArchivesPanelFrame::dragRange(Bar bar) const
{
    if (bar == Bar::Horizontal)
        return PaneLayout::archivesHorizontalDragRange(panes());
    return PaneLayout::verticalDragRange(rect());
}

void ArchivesPanelFrame::dropBar(Bar bar, const QPoint& pos)
{
    if (bar == Bar::Vertical)
        applyPanes(PaneLayout::dropArchivesVertical(panes(), pos.x()));
    else if (bar == Bar::Horizontal)
        applyPanes(PaneLayout::dropArchivesHorizontal(panes(), pos.y()));
}

void ArchivesPanelFrame::applyPanes(const PaneLayout::Archives& panes)
{
    placePanes({panes.categoryBox, panes.itemList, panes.fieldList, panes.noteList});
}

} // namespace dvk
