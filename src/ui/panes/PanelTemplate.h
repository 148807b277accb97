#pragma once

#include <QRect>
#include <QWidget>

namespace dvk {

// Building a panel from its designed layout: rectangles given in dialog units of the panel's
// font.
class PanelTemplate final
{
public:
    // A rectangle in dialog units of `panel`'s font, in pixels.
    static QRect toPixels(const QWidget* panel, int x, int y, int width, int height);
};

} // namespace dvk
