#include "VariantRules.h"

#include <QJSValue>
#include <charconv>

namespace dvk {

std::optional<double> readNumberText(QStringView text)
{
    text = text.trimmed();
    // Copy the accepted characters as ASCII for std::from_chars, which reads in the "C" locale
    // but does not take a leading '+'.
    QByteArray ascii;
    ascii.reserve(text.size());
    qsizetype i = 0;
    const auto at = [&text](qsizetype k) {
        return k < text.size() ? text[k].unicode() : 0;
    };
    const auto isDigit = [](char16_t c) {
        return c >= u'0' && c <= u'9';
    };
    if (at(i) == u'+' || at(i) == u'-') {
        if (at(i) == u'-')
            ascii += '-';
        ++i;
    }
    int digits = 0;
    for (; isDigit(at(i)) || (digits > 0 && at(i) == u','); ++i) {
        if (at(i) == u',')
            continue;
        ascii += char(at(i));
        ++digits;
    }
    if (at(i) == u'.') {
        ascii += '.';
        for (++i; isDigit(at(i)); ++i, ++digits)
            ascii += char(at(i));
    }
    if (digits == 0)
        return std::nullopt;
    if (at(i) == u'e' || at(i) == u'E') {
        ascii += 'e';
        ++i;
        if (at(i) == u'+' || at(i) == u'-')
            ascii += char(at(i++));
        if (!isDigit(at(i)))
            return std::nullopt;
        for (; isDigit(at(i)); ++i)
            ascii += char(at(i));
    }
    if (i != text.size())
        return std::nullopt;

    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value);
    if (ec != std::errc() || end != ascii.constData() + ascii.size())
        return std::nullopt; // out of a double's range
    return value;
}

std::optional<double> variantToDouble(const QJSValue& value)
{
    if (value.isNumber())
        return value.toNumber();
    if (value.isString())
        return readNumberText(value.toString());
    if (value.isBool())
        return value.toBool() ? -1.0 : 0.0; // VARIANT_TRUE is -1
    if (value.isUndefined())
        return 0.0;
    return std::nullopt;
}

std::optional<bool> variantToBool(const QJSValue& value)
{
    if (value.isBool())
        return value.toBool();
    if (value.isNumber())
        return value.toNumber() != 0.0;
    if (value.isUndefined())
        return false;
    if (value.isString()) {
        const QString text = value.toString().trimmed();
        if (text.compare(u"true", Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(u"false", Qt::CaseInsensitive) == 0)
            return false;
        if (const auto number = readNumberText(text))
            return *number != 0.0;
    }
    return std::nullopt;
}

} // namespace dvk
