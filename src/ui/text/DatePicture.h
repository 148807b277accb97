#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

namespace dvk {

// Formats a date with a date picture, the syntax users of DVK's date format know:
//
//   d     day of the month, no leading zero       dd    day of the month, two digits
//   ddd   abbreviated weekday name                dddd  full weekday name
//   M     month number, no leading zero           MM    month number, two digits
//   MMM   abbreviated month name                  MMMM  full month name
//   y     year in the century, no leading zero    yy    year in the century, two digits
//   yyyy  full year, at least four digits         g gg  era ("A.D.")
//   'text'  literal text; '' inside a literal gives one quote, outside one it is an empty literal
//
// Names come from the locale given (DVK passes QLocale::system()); digits are always 0-9. Every
// character outside quotes that is not an ASCII letter (blanks, punctuation, other scripts) is
// copied as it is.
//
// A picture is rejected, and format() gives nullopt, when:
//   - it is empty;
//   - a quoted literal is not closed;
//   - an ASCII letter outside quotes is not one of d, M, y, g, so that a mistyped element
//     ("m", "D", "Y", "h") never turns silently into literal text;
//   - a run of one letter is longer than an element: more than four d or M, three or more than
//     four y, more than two g;
//   - the result is longer than maxLength characters.
// Dates outside the years 1 to 9999, and dates that do not exist, are not formatted either.
class DatePicture final
{
public:
    static std::optional<QString> format(QStringView picture, QDate date, const QLocale& locale,
                                         qsizetype maxLength);
    static bool accepts(QStringView picture, QDate date, const QLocale& locale, qsizetype maxLength)
    {
        return format(picture, date, locale, maxLength).has_value();
    }

    static const QString DefaultPicture;
    // The longest picture the settings store and the Date Format dialog keep.
    static constexpr qsizetype MaxPictureLength = 80;
};

} // namespace dvk
