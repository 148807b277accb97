#include "DialogUnits.h"

#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

namespace dvk {
namespace {

// units × base / divisor, rounded half away from zero as dialog templates are scaled.
int scale(int units, int base, int divisor)
{
    const qint64 product = qint64(units) * base;
    const qint64 half = divisor / 2;
    return int(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

// The average character of the dialog font the list and column sizes were chosen for.
constexpr int DesignedBaseWidth = 6;
constexpr int DesignedBaseHeight = 13;

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseWidth = std::max(1, (letters / 26 + 1) / 2);
    m_baseHeight = std::max(1, metrics.height());
}

DialogUnits::DialogUnits(int baseWidth, int baseHeight)
    : m_baseWidth(std::max(1, baseWidth))
    , m_baseHeight(std::max(1, baseHeight))
{}

int DialogUnits::toPixelsX(int units) const
{
    return scale(units, m_baseWidth, 4);
}

int DialogUnits::toPixelsY(int units) const
{
    return scale(units, m_baseHeight, 8);
}

int DialogUnits::scaleDesignedX(int pixels) const
{
    return scale(pixels, m_baseWidth, DesignedBaseWidth);
}

int DialogUnits::scaleDesignedY(int pixels) const
{
    return scale(pixels, m_baseHeight, DesignedBaseHeight);
}

QSize DialogUnits::toPixels(int width, int height) const
{
    return {toPixelsX(width), toPixelsY(height)};
}

void DialogUnits::fixSize(QWidget* dialog, int width, int height)
{
    const QSize designed = DialogUnits(dialog->font()).toPixels(width, height);
    dialog->setFixedSize(designed.expandedTo(dialog->minimumSizeHint()));
}

} // namespace dvk
