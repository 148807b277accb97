#pragma once

#include <QStringView>
#include <optional>

namespace dvk {

// Reads a typed amount the way the Purse always has, as the C library's "%lf" does: leading
// blanks are skipped, then a leading decimal number (optional sign, digits, optional decimal
// point and digits, optional exponent) is taken and whatever follows it is ignored. "12.5 lunch"
// gives 12.5, "1,234.50" gives 1 (the separator ends the number), and text with no number in
// front gives nullopt; the dialog then keeps its start value 0.0.
//
// Only decimal digits in the "C" notation count, whatever the user's locale. Unlike "%lf", the
// words "inf" and "nan", hexadecimal numbers and numbers too large for a double are not read
// (they give nullopt), so an amount is always finite and cannot poison every total it joins.
std::optional<double> parsePurseAmount(QStringView text);

} // namespace dvk
