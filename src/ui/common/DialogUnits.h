#pragma once

#include <QFont>
#include <QSize>

class QWidget;

namespace dvk {

// Converts dialog units to pixels for a font, the way dialog templates are measured: a
// horizontal unit is a quarter of the font's average character width, a vertical unit an eighth
// of its height. Dialogs use it to open at the sizes they were designed for.
class DialogUnits final
{
public:
    explicit DialogUnits(const QFont& font);
    // Units of a font whose average character is baseWidth × baseHeight pixels.
    DialogUnits(int baseWidth, int baseHeight);

    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    QSize toPixels(int width, int height) const;

    // Pixel sizes chosen for a dialog font whose average character is 6 × 13 pixels, scaled to
    // this font, so that the texts they were chosen for fit here as well.
    int scaleDesignedX(int pixels) const;
    int scaleDesignedY(int pixels) const;

    // The average character width and the height of the font, in pixels.
    int baseWidth() const { return m_baseWidth; }
    int baseHeight() const { return m_baseHeight; }

    // Gives `dialog` a fixed size of width × height dialog units of its own font, grown where
    // its layout needs more room so that no control is ever cut off.
    static void fixSize(QWidget* dialog, int width, int height);

private:
    int m_baseWidth;
    int m_baseHeight;
};

} // namespace dvk
