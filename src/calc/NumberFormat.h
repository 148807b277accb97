#pragma once

#include <QString>

namespace dvk {

// Numbers as the C library's printf shows them in the "C" locale, whatever the user's locale:
// `formatFixed(v, 2)` is "%.02lf", `formatFixed(v, 1)` is "%.01lf". Rounding is printf's (the
// exact binary value, ties to even), and non-finite values read as glibc prints them: "inf",
// "-inf", "nan" and "-nan" (by the sign bit of the NaN).
QString formatFixed(double value, int decimals);

// An amount as DVK shows every amount: "%.02lf" (2+3*4 gives "14.00", 1/0 gives "inf").
inline QString formatAmount(double value)
{
    return formatFixed(value, 2);
}

} // namespace dvk
