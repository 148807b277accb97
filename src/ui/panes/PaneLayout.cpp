#include "PaneLayout.h"

#include <algorithm>
#include <cmath>

namespace dvk {
namespace {

// The smallest distance a bar keeps from the panel's edges, and the left column's clamp.
constexpr int MinDistance = 16;

// A rectangle from its left, top, right and bottom edges, the right and bottom ones exclusive;
// never of negative size.
QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

int rightOf(const QRect& r)
{
    return r.x() + r.width();
}

int bottomOf(const QRect& r)
{
    return r.y() + r.height();
}

} // namespace

int PaneLayout::clampLeftWidth(int width, int panelWidth)
{
    return std::max(0, std::min(width, panelWidth - MinDistance));
}

std::pair<int, int> PaneLayout::fitHeights(int upper, int lower, int available)
{
    while (upper + lower + BarWidth > available) {
        int& taller = upper > lower ? upper : lower;
        if (taller < MinDistance)
            break;
        --taller;
    }
    return {upper, lower};
}

PaneLayout::Archives PaneLayout::layoutArchives(const QRect& client, const Archives& current)
{
    const int left = clampLeftWidth(current.itemList.width(), client.width());
    const auto [fieldHeight, noteHeight] =
        fitHeights(current.fieldList.height(), current.noteList.height(), client.height());
    Q_UNUSED(noteHeight);
    Archives panes = current;
    const QRect& item = current.itemList;
    panes.itemList = edges(item.x(), item.y(), item.x() + left, bottomOf(client));
    const int rightColumn = rightOf(panes.itemList) + BarWidth;
    panes.fieldList = edges(rightColumn, client.y(), rightOf(client), client.y() + fieldHeight);
    panes.noteList =
        edges(rightColumn, bottomOf(panes.fieldList) + BarWidth, rightOf(client), bottomOf(client));
    return panes;
}

PaneLayout::Purse PaneLayout::layoutPurse(const QRect& client, const Purse& current)
{
    const int left = clampLeftWidth(current.categoryList.width(), client.width());
    return dropPurseVertical(client, current, client.x() + left + 1);
}

PaneLayout::Purse PaneLayout::initialPurse(const Purse& designed)
{
    Purse panes = designed;
    const int height = int(std::lround(designed.totalBox.height() * 10.0 / 12.0));
    panes.totalBox.setTop(bottomOf(designed.totalBox) - height);
    panes.totalBox.setHeight(height);
    panes.categoryList.setHeight(
        std::max(0, panes.totalBox.y() - BarWidth - designed.categoryList.y()));
    return panes;
}

PaneLayout::Purse PaneLayout::dropPurseVertical(const QRect& client, const Purse& current, int x)
{
    Purse panes;
    const int leftEnd = x - 1;
    const int rightStart = x + 1;
    const int boxHeight = current.totalBox.height();
    const int statsHeight = current.statsList.height();
    panes.totalBox = edges(client.x(), bottomOf(client) - boxHeight, leftEnd, bottomOf(client));
    panes.categoryList = edges(client.x(), client.y(), leftEnd, panes.totalBox.y() - BarWidth);
    panes.statsList =
        edges(rightStart, bottomOf(client) - statsHeight, rightOf(client), bottomOf(client));
    panes.entryList =
        edges(rightStart, client.y(), rightOf(client), panes.statsList.y() - BarWidth);
    return panes;
}

PaneLayout::Archives PaneLayout::dropArchivesVertical(const Archives& current, int x)
{
    Archives panes = current;
    for (QRect* left : {&panes.categoryBox, &panes.itemList})
        *left = edges(left->x(), left->y(), x - 1, bottomOf(*left));
    for (QRect* right : {&panes.fieldList, &panes.noteList})
        *right = edges(x + 1, right->y(), rightOf(*right), bottomOf(*right));
    return panes;
}

PaneLayout::Archives PaneLayout::dropArchivesHorizontal(const Archives& current, int y)
{
    Archives panes = current;
    const QRect& field = current.fieldList;
    const QRect& note = current.noteList;
    panes.fieldList = edges(field.x(), field.y(), rightOf(field), y - 1);
    panes.noteList = edges(note.x(), y + 1, rightOf(note), bottomOf(note));
    return panes;
}

QRect PaneLayout::purseVerticalBar(const Purse& panes)
{
    return edges(rightOf(panes.categoryList), panes.categoryList.y(), panes.statsList.x(),
                 bottomOf(panes.statsList));
}

QRect PaneLayout::archivesVerticalBar(const Archives& panes)
{
    return edges(rightOf(panes.itemList), panes.fieldList.y(), panes.fieldList.x(),
                 bottomOf(panes.itemList));
}

QRect PaneLayout::archivesHorizontalBar(const Archives& panes)
{
    return edges(panes.fieldList.x(), bottomOf(panes.fieldList), rightOf(panes.fieldList),
                 panes.noteList.y());
}

std::pair<int, int> PaneLayout::verticalDragRange(const QRect& client)
{
    return {client.x() + MinDistance, rightOf(client) - MinDistance};
}

std::pair<int, int> PaneLayout::archivesHorizontalDragRange(const Archives& panes)
{
    return {panes.fieldList.y() + MinDistance, bottomOf(panes.noteList) - MinDistance};
}

int PaneLayout::clampToRange(int pos, std::pair<int, int> range)
{
    return std::max(range.first, std::min(pos, range.second));
}

} // namespace dvk
