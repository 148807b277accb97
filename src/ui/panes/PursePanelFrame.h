#pragma once

#include "PaneFrame.h"

namespace dvk {

// The frame of the Purse panel: the category list above the total box on the left, the entry
// list above the statistics list on the right, and a vertical bar between the columns. The
// panel's own controls are handed in. The total box starts at 10/12 of its designed height.
class PursePanelFrame : public PaneFrame<PaneLayout::Purse>
{
public:
    PursePanelFrame(QWidget* categoryList, QWidget* totalBox, QWidget* entryList,
                    QWidget* statsList, QWidget* parent = nullptr);

protected:
    QWidget* categoryList() const { return pane(0); }
    QWidget* totalBox() const { return pane(1); }
    QWidget* entryList() const { return pane(2); }
    QWidget* statsList() const { return pane(3); }
};

} // namespace dvk
