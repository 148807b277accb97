#include "MainWindowLayout.h"

#include "DialogUnits.h"

#include <algorithm>

namespace dvk {
namespace {

// The designed layout in dialog units: x, y, width, height.
struct UnitRect
{
    int x, y, w, h;
};
constexpr UnitRect ClientUnits{0, 0, 392, 226};
constexpr UnitRect BarUnits{5, 5, 63, 216};
constexpr UnitRect PanelUnits{71, 5, 316, 197};
constexpr UnitRect ToolsUnits{235, 207, 50, 14};
constexpr UnitRect AboutUnits{286, 207, 50, 14};
constexpr UnitRect CloseUnits{337, 207, 50, 14};

// Both corners are converted, so neighbouring rectangles keep their designed distances.
QRect toPixels(const DialogUnits& units, const UnitRect& r)
{
    const QPoint topLeft(units.toPixelsX(r.x), units.toPixelsY(r.y));
    const QPoint end(units.toPixelsX(r.x + r.w), units.toPixelsY(r.y + r.h));
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

// A rectangle from its left, top and exclusive right and bottom edges, never of negative size.
QRect fromEdges(int left, int top, int right, int bottom)
{
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

} // namespace

MainWindowLayout::MainWindowLayout(const DialogUnits& units)
{
    const QRect client = toPixels(units, ClientUnits);
    m_designedSize = client.size();
    m_designed.bar = toPixels(units, BarUnits);
    m_designed.panel = toPixels(units, PanelUnits);
    m_designed.tools = toPixels(units, ToolsUnits);
    m_designed.about = toPixels(units, AboutUnits);
    m_designed.close = toPixels(units, CloseUnits);

    // QRect's right() and bottom() are inclusive; x() + width() is the edge as measured.
    const QRect& bar = m_designed.bar;
    const QRect& panel = m_designed.panel;
    m_barLeft = bar.x();
    m_panelRight = client.width() - (panel.x() + panel.width());
    m_barTop = bar.y();
    m_gap = panel.x() - (bar.x() + bar.width());
    m_barBottom = client.height() - (bar.y() + bar.height());
    m_panelBottom = client.height() - (panel.y() + panel.height());
    m_buttonsBottom = client.height() - (m_designed.close.y() + m_designed.close.height());
    m_barWidth = bar.width();
}

MainWindowLayout::Placement MainWindowLayout::place(const QSize& client,
                                                    const QSize& buttonSize) const
{
    Placement p;
    p.bar = fromEdges(m_barLeft, m_barTop, m_barLeft + m_barWidth, client.height() - m_barBottom);
    p.panel = fromEdges(m_barLeft + m_barWidth + m_gap, p.bar.y(), client.width() - m_panelRight,
                        client.height() - m_panelBottom);

    const int right = client.width() - m_panelRight;
    const int bottom = client.height() - m_buttonsBottom;
    p.close = QRect(QPoint(right - buttonSize.width(), bottom - buttonSize.height()), buttonSize);
    p.about = p.close.translated(-buttonSize.width() - 1, 0);
    p.tools = p.about.translated(-buttonSize.width() - 1, 0);
    return p;
}

} // namespace dvk
