#include "StoredFields.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace dvk::StoredFields {
namespace {

QString padded(qint32 value, int width)
{
    const QString digits = QString::number(std::abs(qint64(value))).rightJustified(width, u'0');
    return value < 0 ? u'-' + digits : digits;
}

std::optional<Triple> parseTriple(QStringView text, const QRegularExpression& pattern)
{
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    qint32 values[3];
    for (int i = 0; i < 3; ++i) {
        const qint64 v = match.capturedView(i + 1).toLongLong();
        if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
            return std::nullopt;
        values[i] = qint32(v);
    }
    return Triple{values[0], values[1], values[2]};
}

} // namespace

QString dateText(qint32 year, qint32 month, qint32 day)
{
    return padded(year, 4) + u'-' + padded(month, 2) + u'-' + padded(day, 2);
}

QString timeText(qint32 hour, qint32 minute, qint32 second)
{
    return padded(hour, 2) + u':' + padded(minute, 2) + u':' + padded(second, 2);
}

std::optional<Triple> parseDate(QStringView text)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("(-?[0-9]{1,10})-(-?[0-9]{1,10})-(-?[0-9]{1,10})")));
    return parseTriple(text, pattern);
}

std::optional<Triple> parseTime(QStringView text)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("(-?[0-9]{1,10}):(-?[0-9]{1,10}):(-?[0-9]{1,10})")));
    return parseTriple(text, pattern);
}

QString amountText(double amount)
{
    if (std::isnan(amount))
        return QStringLiteral("NaN");
    if (std::isinf(amount))
        return amount < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    const double size = std::abs(amount);
    // Both forms carry the shortest digits that read back exactly; fixed notation only where
    // it stays short.
    const char form = (size == 0.0 || (size >= 1e-4 && size < 1e15)) ? 'f' : 'g';
    return QString::number(amount, form, QLocale::FloatingPointShortest);
}

std::optional<double> parseAmount(QStringView text)
{
    if (text == u"NaN")
        return std::numeric_limits<double>::quiet_NaN();
    if (text == u"Infinity")
        return std::numeric_limits<double>::infinity();
    if (text == u"-Infinity")
        return -std::numeric_limits<double>::infinity();
    static const QRegularExpression number(QRegularExpression::anchoredPattern(
        QStringLiteral("[-+]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][-+]?[0-9]+)?")));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    // The C locale refuses an overflow; a number that large is no amount DVK wrote.
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace dvk::StoredFields
