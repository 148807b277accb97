#include "DatePicker.h"

#include <QDateEdit>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace dvk {

QDateEdit* makeDatePicker(const QDate& date)
{
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(u"yyyy"_s))
        format.replace(u"yy"_s, u"yyyy"_s);
    auto* picker = new QDateEdit;
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(format);
    picker->setDate(date);
    return picker;
}

} // namespace dvk
