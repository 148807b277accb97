#pragma once

#include <QStringView>
#include <optional>

class QJSValue;

namespace dvk {

// How a script value becomes a number or a truth value. The original program let the platform's
// VARIANT conversion (VariantChangeType to VT_R8 and VT_BOOL) do this; these functions keep its
// rules, and settle the cases the platform leaves to the engine:
//
//   script value              as a double                as a truth value
//   number                    itself (also NaN, ±inf)    false exactly when it is 0 (NaN: true)
//   text                      readNumberText, else none  "true"/"false" in any case, else a
//                                                        number text (≠ 0), else none
//   true / false              -1.0 / 0.0                 itself
//   undefined (no value)      0.0                        false
//   null                      none                       none
//   object, array, function,  none                       none
//   date, symbol, ...
//
// "none" is a failed conversion: the calculator reports an error. Null fails as VT_NULL does.
// Objects fail without running any of their script code (no valueOf or toString is called), so
// nothing runs after the evaluation has returned; an array such as [5] is therefore an error,
// not 5.
std::optional<double> variantToDouble(const QJSValue& value);
std::optional<bool> variantToBool(const QJSValue& value);

// A text that reads as a number: optional white space, an optional sign, decimal digits with at
// most one decimal point (at least one digit, before or after it), an optional exponent (e or E,
// optional sign, digits), optional white space, and nothing else. As in the platform conversion,
// thousands separators (",") may stand anywhere among the digits before the point once the first
// digit has come, so "1,234" reads as 1234. The value must lie within the range of a double. Not
// accepted: an empty text, a separator before the first digit or after the point, currency signs,
// hexadecimal, "Infinity" and "NaN".
std::optional<double> readNumberText(QStringView text);

} // namespace dvk
