#pragma once

#include "PaneFrame.h"

namespace dvk {

// The frame of the Archives panel: the category box above the item list on the left, the field
// list above the note list on the right, a vertical bar between the columns and a horizontal bar
// between the two right lists. The panel's own lists are handed in. Panes start where the panel
// was designed to have them.
class ArchivesPanelFrame : public PaneFrame<PaneLayout::Archives>
{
public:
    ArchivesPanelFrame(QWidget* categoryBox, QWidget* itemList, QWidget* fieldList,
                       QWidget* noteList, QWidget* parent = nullptr);
};

} // namespace dvk
