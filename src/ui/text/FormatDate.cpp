#include "FormatDate.h"

#include "DatePicture.h"
#include "SettingsStore.h"

#include <QDate>
#include <QLocale>

namespace dvk {
namespace {

// The longest text FormatDate builds before the capacity cut.
constexpr qsizetype FormatLimit = 510;

QString zeroPadded(qint64 value, int width)
{
    if (value < 0)
        return u'-' + zeroPadded(-value, width);
    return QStringLiteral("%1").arg(value, width, 10, QChar(u'0'));
}

QString storedNumbers(qint32 year, qint32 month, qint32 day)
{
    return zeroPadded(year, 4) + u'-' + zeroPadded(month, 2) + u'-' + zeroPadded(day, 2);
}

QString cut(const QString& text, qsizetype capacity)
{
    if (capacity <= 0 || text.size() < capacity)
        return text;
    qsizetype length = capacity - 1;
    if (length > 0 && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

} // namespace

QString StoredDatePicture()
{
    const std::optional<QString> stored =
        SettingsStore().readText(SettingsStore::DateFormat, DatePicture::MaxPictureLength);
    return stored && !stored->isEmpty() ? *stored : DatePicture::DefaultPicture;
}

QString FormatDate(qint32 year, qint32 month, qint32 day, qsizetype capacity)
{
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1 || year > 9999)
        return cut(storedNumbers(year, month, day), capacity);

    const QLocale locale = QLocale::system();
    std::optional<QString> text =
        DatePicture::format(StoredDatePicture(), date, locale, FormatLimit);
    if (!text)
        text = DatePicture::format(DatePicture::DefaultPicture, date, locale, FormatLimit);
    return cut(text.value_or(storedNumbers(year, month, day)), capacity);
}

} // namespace dvk
