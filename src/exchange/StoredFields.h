#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

namespace dvk {

// The text forms that every export shares for stored numbers: dates as "YYYY-MM-DD" and times
// as "HH:MM:SS" made from the stored numbers whatever they are (a damaged 2005-13-40 stays those
// numbers both ways), and amounts in the shortest form that reads back as the same double.
namespace StoredFields {

struct Triple
{
    qint32 a = 0;
    qint32 b = 0;
    qint32 c = 0;

    void assignTo(qint32& first, qint32& second, qint32& third) const
    {
        first = a;
        second = b;
        third = c;
    }
};

QString dateText(qint32 year, qint32 month, qint32 day);
QString timeText(qint32 hour, qint32 minute, qint32 second);
// Reads what dateText or timeText wrote; nullopt for anything else (a number out of the 32-bit
// range included).
std::optional<Triple> parseDate(QStringView text);
std::optional<Triple> parseTime(QStringView text);

// "." as the decimal point, no grouping; fixed notation for everyday sizes, an exponent for very
// large or very small ones; "NaN", "Infinity" and "-Infinity" for what a damaged file may hold.
QString amountText(double amount);
// Reads what amountText wrote and any plain decimal number ("12", "-0.5", "1e3").
std::optional<double> parseAmount(QStringView text);

} // namespace StoredFields
} // namespace dvk
