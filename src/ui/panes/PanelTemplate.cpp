#include "PanelTemplate.h"

#include "DialogUnits.h"

namespace dvk {

QRect PanelTemplate::toPixels(const QWidget* panel, int x, int y, int width, int height)
{
    const DialogUnits units(panel->font());
    // Edges are converted rather than sizes, so that neighbouring panes keep their gaps.
    const int left = units.toPixelsX(x);
    const int top = units.toPixelsY(y);
    return QRect(left, top, units.toPixelsX(x + width) - left, units.toPixelsY(y + height) - top);
}

} // namespace dvk
