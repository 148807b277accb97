#pragma once

#include <QRect>
#include <QWidget>

namespace dvk {

// Helpers for building a panel from its designed layout: rectangles given in dialog units of the
// panel's font, and placeholder lists for panes a panel does not supply yet.
class PanelTemplate final
{
public:
    // A rectangle in dialog units of `panel`'s font, in pixels.
    static QRect toPixels(const QWidget* panel, int x, int y, int width, int height);
    // `widget` made a child of `panel`, or an empty list when it is null.
    static QWidget* adopt(QWidget* widget, QWidget* panel);
    // Same for a drop-down box.
    static QWidget* adoptBox(QWidget* widget, QWidget* panel);
    // Same for a one-line text box.
    static QWidget* adoptLine(QWidget* widget, QWidget* panel);
};

} // namespace dvk
