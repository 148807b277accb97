#pragma once

#include <QPoint>
#include <QRect>
#include <utility>

namespace dvk {

// The geometry of the panels with splitter bars, without widgets: where the panes go when a
// panel is resized or a bar is dropped, where the bars are, and how far a bar may be dragged.
// Rectangles are in the panel's client coordinates; a bar is the 2-pixel gap between panes.
class PaneLayout final
{
public:
    static constexpr int BarWidth = 2;

    // The Archives panel: the category box above the item list on the left, the field list
    // above the note list on the right.
    struct Archives
    {
        QRect categoryBox;
        QRect itemList;
        QRect fieldList;
        QRect noteList;
        bool operator==(const Archives&) const = default;
    };
    // The Purse panel: the category list above the total box on the left, the entry list above
    // the statistics list on the right.
    struct Purse
    {
        QRect categoryList;
        QRect totalBox;
        QRect entryList;
        QRect statsList;
        bool operator==(const Purse&) const = default;
    };

    // The left column keeps its width, but at most the panel width - 16 (and never below 0).
    static int clampLeftWidth(int width, int panelWidth);
    // Shrinks the taller of two stacked heights (the lower on a tie) one pixel at a time until
    // both and a bar fit `available`; stops when the one to shrink is below 16 pixels.
    static std::pair<int, int> fitHeights(int upper, int lower, int available);

    static Archives layoutArchives(const QRect& client, const Archives& current);
    static Purse layoutPurse(const QRect& client, const Purse& current);
    // The Purse panes as first shown: the total box at 10/12 of its designed height, keeping its
    // bottom edge, with the category list ending 2 pixels above it.
    static Purse initialPurse(const Purse& designed);

    // The panes after a bar is dropped so that it straddles `at` (pixels at - 1 and at).
    static Purse dropPurseVertical(const QRect& client, const Purse& current, int x);
    static Archives dropArchivesVertical(const Archives& current, int x);
    static Archives dropArchivesHorizontal(const Archives& current, int y);

    // Where the bars are, for the hit test; an empty rectangle where panes touch or overlap.
    static QRect purseVerticalBar(const Purse& panes);
    static QRect archivesVerticalBar(const Archives& panes);
    static QRect archivesHorizontalBar(const Archives& panes);

    // How far a dragged bar may go along its axis, both ends included.
    static std::pair<int, int> verticalDragRange(const QRect& client);
    static std::pair<int, int> archivesHorizontalDragRange(const Archives& panes);
    // `pos` kept within the range; a range narrower than nothing collapses to its low end.
    static int clampToRange(int pos, std::pair<int, int> range);
};

} // namespace dvk
