#include "NumberFormat.h"

#include <charconv>

namespace dvk {

QString formatFixed(double value, int decimals)
{
    // std::to_chars is specified as printf in the "C" locale; printf itself would follow
    // LC_NUMERIC, which QCoreApplication sets from the environment (a comma in many locales).
    // 309 integer digits, the point, the decimals and a sign fit.
    char buffer[320 + 32];
    const int precision = qBound(0, decimals, 30);
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace dvk
