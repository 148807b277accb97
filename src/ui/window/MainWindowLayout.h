#pragma once

#include <QRect>
#include <QSize>

namespace dvk {

class DialogUnits;

// Where the main window puts its navigation bar, panel area and buttons. The margins are
// measured once from the window's designed layout (in dialog units of its font); placing then
// keeps the bar at its width, stretches it to the window's height, gives the panel area all the
// remaining room and keeps the buttons in the bottom-right corner, one pixel apart.
class MainWindowLayout final
{
public:
    struct Placement
    {
        QRect bar;
        QRect panel;
        QRect tools;
        QRect about;
        QRect close;
    };

    explicit MainWindowLayout(const DialogUnits& units);

    // The designed client size and the designed places of everything in it.
    QSize designedSize() const { return m_designedSize; }
    Placement designed() const { return m_designed; }

    // Places everything in a client area of `client`, keeping the buttons at `buttonSize`.
    Placement place(const QSize& client, const QSize& buttonSize) const;

    int barLeft() const { return m_barLeft; }
    int panelRight() const { return m_panelRight; }
    int barTop() const { return m_barTop; }
    int gap() const { return m_gap; }
    int barBottom() const { return m_barBottom; }
    int panelBottom() const { return m_panelBottom; }
    int buttonsBottom() const { return m_buttonsBottom; }
    int barWidth() const { return m_barWidth; }

private:
    QSize m_designedSize;
    Placement m_designed;
    int m_barLeft = 0;
    int m_panelRight = 0;
    int m_barTop = 0;
    int m_gap = 0;
    int m_barBottom = 0;
    int m_panelBottom = 0;
    int m_buttonsBottom = 0;
    int m_barWidth = 0;
};

} // namespace dvk
