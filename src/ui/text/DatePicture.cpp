#include "DatePicture.h"

namespace dvk {
namespace {

constexpr QChar Quote = u'\'';

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0'));
}

// One picture element: `count` repetitions of `letter`; nullopt when it is no element.
std::optional<QString> element(QChar letter, qsizetype count, QDate date, const QLocale& locale,
                               bool withDayNumber)
{
    switch (letter.unicode()) {
    case u'd':
        switch (count) {
        case 1:
            return QString::number(date.day());
        case 2:
            return twoDigits(date.day());
        case 3:
            return locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
        case 4:
            return locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
        }
        break;
    case u'M':
        switch (count) {
        case 1:
            return QString::number(date.month());
        case 2:
            return twoDigits(date.month());
        case 3:
            return locale.monthName(date.month(), QLocale::ShortFormat);
        case 4:
            // Languages that decline month names use the genitive ("1 марта") beside a day
            // number and the nominative ("март 2005") on its own.
            return withDayNumber ? locale.monthName(date.month(), QLocale::LongFormat)
                                 : locale.standaloneMonthName(date.month(), QLocale::LongFormat);
        }
        break;
    case u'y':
        switch (count) {
        case 1:
            return QString::number(date.year() % 100);
        case 2:
            return twoDigits(date.year() % 100);
        case 4:
            return QStringLiteral("%1").arg(date.year(), 4, 10, QChar(u'0'));
        }
        break;
    case u'g':
        // Qt's locales carry no era names, so the era is the one this calendar has.
        if (count <= 2)
            return QStringLiteral("A.D.");
        break;
    }
    return std::nullopt;
}

// Whether the picture shows the day as a number (d or dd) outside its quoted literals.
bool hasDayNumber(QStringView picture)
{
    bool quoted = false;
    for (qsizetype i = 0; i < picture.size();) {
        const QChar c = picture[i];
        qsizetype count = 1;
        while (i + count < picture.size() && picture[i + count] == c)
            ++count;
        if (c == Quote)
            quoted = count % 2 == 0 ? quoted : !quoted;
        else if (!quoted && c == u'd' && count <= 2)
            return true;
        i += count;
    }
    return false;
}

} // namespace

const QString DatePicture::DefaultPicture = QStringLiteral("yyyy-MM-dd, dddd");

std::optional<QString> DatePicture::format(QStringView picture, QDate date, const QLocale& locale,
                                           qsizetype maxLength)
{
    if (picture.isEmpty() || !date.isValid() || date.year() < 1 || date.year() > 9999)
        return std::nullopt;

    QString result;
    const bool withDayNumber = hasDayNumber(picture);
    const qsizetype size = picture.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar c = picture[i];
        if (c == Quote) {
            // Outside a literal '' opens and closes an empty one; only inside does it stand for
            // a quote character.
            bool closed = false;
            for (++i; i < size; ++i) {
                if (picture[i] != Quote) {
                    result += picture[i];
                } else if (i + 1 < size && picture[i + 1] == Quote) {
                    result += Quote;
                    ++i;
                } else {
                    closed = true;
                    ++i;
                    break;
                }
            }
            if (!closed)
                return std::nullopt;
        } else if (isAsciiLetter(c)) {
            qsizetype count = 1;
            while (i + count < size && picture[i + count] == c)
                ++count;
            const std::optional<QString> text = element(c, count, date, locale, withDayNumber);
            if (!text)
                return std::nullopt;
            result += *text;
            i += count;
        } else {
            result += c;
            ++i;
        }
        if (result.size() > maxLength)
            return std::nullopt;
    }
    if (result.isEmpty())
        return std::nullopt;
    return result;
}

} // namespace dvk
