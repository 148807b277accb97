#include "PanelTemplate.h"

#include "DialogUnits.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>

namespace dvk {

QRect PanelTemplate::toPixels(const QWidget* panel, int x, int y, int width, int height)
{
    const DialogUnits units(panel->font());
    // Edges are converted rather than sizes, so that neighbouring panes keep their gaps.
    const int left = units.toPixelsX(x);
    const int top = units.toPixelsY(y);
    return QRect(left, top, units.toPixelsX(x + width) - left, units.toPixelsY(y + height) - top);
}

QWidget* PanelTemplate::adopt(QWidget* widget, QWidget* panel)
{
    if (!widget)
        widget = new QTableView(panel);
    widget->setParent(panel);
    return widget;
}

QWidget* PanelTemplate::adoptBox(QWidget* widget, QWidget* panel)
{
    if (!widget)
        widget = new QComboBox(panel);
    widget->setParent(panel);
    return widget;
}

QWidget* PanelTemplate::adoptLine(QWidget* widget, QWidget* panel)
{
    if (!widget)
        widget = new QLineEdit(panel);
    widget->setParent(panel);
    return widget;
}

} // namespace dvk
