#include "ArchivesPanelFrame.h"

#include "PanelTemplate.h"

#include <algorithm>

namespace dvk {
namespace {

using Archives = PaneLayout::Archives;
using Bar = SplitterPanel::Bar;

QRect bar(Bar bar, const Archives& panes)
{
    if (bar == Bar::Vertical)
        return PaneLayout::archivesVerticalBar(panes);
    if (bar == Bar::Horizontal)
        return PaneLayout::archivesHorizontalBar(panes);
    return {};
}

std::pair<int, int> dragRange(Bar bar, const QRect& client, const Archives& panes)
{
    if (bar == Bar::Horizontal)
        return PaneLayout::archivesHorizontalDragRange(panes);
    return PaneLayout::verticalDragRange(client);
}

Archives drop(Bar bar, const QRect&, const Archives& current, const QPoint& pos)
{
    if (bar == Bar::Vertical)
        return PaneLayout::dropArchivesVertical(current, pos.x());
    if (bar == Bar::Horizontal)
        return PaneLayout::dropArchivesHorizontal(current, pos.y());
    return current;
}

const PaneFrame<Archives>::Rules ArchivesRules{&PaneLayout::layoutArchives, &bar, &dragRange,
                                               &drop};

} // namespace

ArchivesPanelFrame::ArchivesPanelFrame(QWidget* categoryBox, QWidget* itemList, QWidget* fieldList,
                                       QWidget* noteList, QWidget* parent)
    : PaneFrame(ArchivesRules, {categoryBox, itemList, fieldList, noteList}, parent)
{
    Archives designed;
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

} // namespace dvk
