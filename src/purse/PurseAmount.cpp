#include "PurseAmount.h"

#include <charconv>
#include <cmath>
#include <string>

namespace dvk {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool isDigit(QStringView text, qsizetype i)
{
    return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
}

// Appends the run of digits at `i` to `out`; returns how many there were.
qsizetype takeDigits(QStringView text, qsizetype& i, std::string& out)
{
    const qsizetype start = i;
    while (isDigit(text, i))
        out += char(text[i++].unicode());
    return i - start;
}

} // namespace

std::optional<double> parsePurseAmount(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;

    std::string number;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    qsizetype mantissaDigits = takeDigits(text, i, number);
    if (i < text.size() && text[i] == u'.') {
        number += '.';
        ++i;
        mantissaDigits += takeDigits(text, i, number);
    }
    if (mantissaDigits == 0)
        return std::nullopt;

    // An exponent counts only when digits follow the 'e' and its sign; "2e" reads as 2.
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            exponent += char(text[j++].unicode());
        if (takeDigits(text, j, exponent) > 0)
            number += exponent;
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace dvk
