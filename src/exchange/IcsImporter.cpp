#include "IcsImporter.h"

#include "IcalPointer.h"
#include "StoredFields.h"

#include <QDateTime>
#include <QTimeZone>
#include <vector>

namespace dvk {
namespace {

using namespace Qt::StringLiterals;

QByteArray xValue(icalcomponent* c, const char* name)
{
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_X_PROPERTY))
        if (qstrcmp(icalproperty_get_x_name(p), name) == 0)
            return QByteArray(icalproperty_get_x(p));
    return {};
}

QByteArray textOf(icalcomponent* c)
{
    if (const char* summary = icalcomponent_get_summary(c); summary && *summary)
        return summary;
    if (const char* description = icalcomponent_get_description(c))
        return description;
    return {};
}

// Elements of a BY list up to its end marker.
std::vector<short> byList(const short* list, int size)
{
    std::vector<short> values;
    for (int i = 0; i < size && list[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        values.push_back(list[i]);
    return values;
}

// The repetition of a rule, or nullopt when DVK cannot repeat the way it asks.
std::optional<qint32> repetitionOf(const icalrecurrencetype& r, const QDate& start)
{
    if (r.interval > 1 || r.count > 0 || !icaltime_is_null_time(r.until))
        return std::nullopt;
    const auto days = byList(r.by_day, ICAL_BY_DAY_SIZE);
    const auto monthDays = byList(r.by_month_day, ICAL_BY_MONTHDAY_SIZE);
    const auto months = byList(r.by_month, ICAL_BY_MONTH_SIZE);
    const bool otherLists = !byList(r.by_second, ICAL_BY_SECOND_SIZE).empty() ||
                            !byList(r.by_minute, ICAL_BY_MINUTE_SIZE).empty() ||
                            !byList(r.by_hour, ICAL_BY_HOUR_SIZE).empty() ||
                            !byList(r.by_year_day, ICAL_BY_YEARDAY_SIZE).empty() ||
                            !byList(r.by_week_no, ICAL_BY_WEEKNO_SIZE).empty() ||
                            !byList(r.by_set_pos, ICAL_BY_SETPOS_SIZE).empty();
    if (otherLists)
        return std::nullopt;
    // A single value that only restates the start (Google writes FREQ=WEEKLY;BYDAY=MO for a
    // Monday) still repeats as DVK does.
    const bool sameWeekday =
        days.empty() ||
        (days.size() == 1 && icalrecurrencetype_day_position(days[0]) == 0 &&
         int(icalrecurrencetype_day_day_of_week(days[0])) == start.dayOfWeek() % 7 + 1);
    const bool sameDay =
        monthDays.empty() || (monthDays.size() == 1 && monthDays[0] == start.day());
    const bool sameMonth = months.empty() || (months.size() == 1 && months[0] == start.month());
    switch (r.freq) {
    case ICAL_DAILY_RECURRENCE:
        return days.empty() && monthDays.empty() && months.empty()
                   ? std::optional<qint32>(MemoRecord::NextDay)
                   : std::nullopt;
    case ICAL_WEEKLY_RECURRENCE:
        return sameWeekday && monthDays.empty() && months.empty()
                   ? std::optional<qint32>(MemoRecord::NextWeek)
                   : std::nullopt;
    case ICAL_MONTHLY_RECURRENCE:
        return days.empty() && sameDay && months.empty()
                   ? std::optional<qint32>(MemoRecord::NextMonth)
                   : std::nullopt;
    case ICAL_YEARLY_RECURRENCE:
        return days.empty() && sameDay && sameMonth ? std::optional<qint32>(MemoRecord::NextYear)
                                                    : std::nullopt;
    default:
        return std::nullopt;
    }
}

// A zone libical could not resolve from the file: the system's zone of that name, also under
// a Windows name (Outlook writes "W. Europe Standard Time").
QTimeZone systemZone(icalproperty* prop)
{
    icalparameter* param =
        prop ? icalproperty_get_first_parameter(prop, ICAL_TZID_PARAMETER) : nullptr;
    if (!param)
        return {};
    const QByteArray tzid = icalparameter_get_tzid(param);
    QTimeZone zone(tzid);
    if (!zone.isValid())
        zone = QTimeZone(QTimeZone::windowsIdToDefaultIanaId(tzid));
    return zone;
}

class Reader
{
public:
    explicit Reader(ImportBatch& batch)
        : m_batch(batch)
    {}

    int simplified = 0;

    // What libical found wrong in the component, or empty. An empty SUMMARY or DESCRIPTION is a
    // valid empty text (DVK writes one for a memo without text), which libical reports and drops;
    // the memo then simply has no text.
    static QString damageOf(icalcomponent* c)
    {
        for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_XLICERROR_PROPERTY); p;
             p = icalcomponent_get_next_property(c, ICAL_XLICERROR_PROPERTY)) {
            const QString text = QString::fromUtf8(icalproperty_get_xlicerror(p));
            if (!text.startsWith(u"No value for SUMMARY property"_s) &&
                !text.startsWith(u"No value for DESCRIPTION property"_s))
                return text;
        }
        return {};
    }

    // False with `error` set when the component cannot become a memo.
    bool read(icalcomponent* c, QString& error)
    {
        if (const QString damage = damageOf(c); !damage.isEmpty()) {
            error = u"a damaged entry: %1"_s.arg(damage);
            return false;
        }
        const bool todo = icalcomponent_isa(c) == ICAL_VTODO_COMPONENT;
        auto memo = m_batch.make<MemoRecord>();
        memo->text = textOf(c);

        icalproperty* startProp =
            icalcomponent_get_first_property(c, todo ? ICAL_DUE_PROPERTY : ICAL_DTSTART_PROPERTY);
        icaltimetype start = todo ? icalcomponent_get_due(c) : icalcomponent_get_dtstart(c);
        if (todo && icaltime_is_null_time(start)) {
            startProp = icalcomponent_get_first_property(c, ICAL_DTSTART_PROPERTY);
            start = icalcomponent_get_dtstart(c);
        }
        const QDate today = m_batch.clock().today();
        QDate date = today;
        // The rule is read against the start as the file gives it, before any zone moves it.
        QDate ruleStart = today;
        if (!icaltime_is_null_time(start)) {
            date = ruleStart = QDate(start.year, start.month, start.day);
            memo->anyTime = start.is_date ? 1 : 0;
            if (!start.is_date) {
                QDateTime at(date, QTime(start.hour, start.minute, start.second));
                const QTimeZone zone = systemZone(startProp);
                if (start.zone && !zone.isValid())
                    at = QDateTime::fromSecsSinceEpoch(
                        qint64(icaltime_as_timet_with_zone(start, start.zone)));
                else if (zone.isValid())
                    at = QDateTime(date, at.time(), zone).toLocalTime();
                date = at.date();
                memo->dueHour = at.time().hour();
                memo->dueMinute = at.time().minute();
                memo->dueSecond = at.time().second();
            }
        }
        memo->dueYear = date.year();
        memo->dueMonth = date.month();
        memo->dueDay = date.day();
        readDvkFields(c, *memo, today);

        int rules = 0;
        for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_RRULE_PROPERTY); p;
             p = icalcomponent_get_next_property(c, ICAL_RRULE_PROPERTY)) {
            if (++rules > 1) {
                memo->recurrence = MemoRecord::NoRecurrence;
                break;
            }
            memo->recurrence = repetitionOf(icalproperty_get_rrule(p), ruleStart).value_or(-1);
        }
        if (rules > 1 || memo->recurrence == -1) {
            memo->recurrence = MemoRecord::NoRecurrence;
            ++simplified;
        }
        if (todo && icalcomponent_get_status(c) == ICAL_STATUS_COMPLETED)
            memo->dismissed = 1;
        m_batch.memos.push_back(std::move(memo));
        return true;
    }

private:
    static void readDvkFields(icalcomponent* c, MemoRecord& memo, const QDate& today)
    {
        const auto created = StoredFields::parseDate(QString::fromUtf8(xValue(c, "X-DVK-CREATED")));
        memo.createdYear = created ? created->a : today.year();
        memo.createdMonth = created ? created->b : today.month();
        memo.createdDay = created ? created->c : today.day();
        if (const auto due = StoredFields::parseDate(QString::fromUtf8(xValue(c, "X-DVK-DUE")))) {
            memo.dueYear = due->a;
            memo.dueMonth = due->b;
            memo.dueDay = due->c;
            const auto time = StoredFields::parseTime(QString::fromUtf8(xValue(c, "X-DVK-TIME")));
            memo.anyTime = time ? 0 : 1;
            if (time) {
                memo.dueHour = time->a;
                memo.dueMinute = time->b;
                memo.dueSecond = time->c;
            }
        }
        memo.imageIndex = xValue(c, "X-DVK-ICON").toInt();
        memo.beep = xValue(c, "X-DVK-BEEP") == "1" ? 1 : 0;
        memo.dismissed = xValue(c, "X-DVK-DISMISSED") == "1" ? 1 : 0;
    }

    ImportBatch& m_batch;
};

} // namespace

ImportResult IcsImporter::read(const QByteArray& bytes, ImportBatch& batch)
{
    const QByteArray text =
        bytes.left(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0'));
    IcalComponentPtr root(
        text.contains("BEGIN:VCALENDAR") ? icalparser_parse_string(text.constData()) : nullptr);
    std::vector<icalcomponent*> calendars;
    if (root && icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT)
        calendars.push_back(root.get());
    else if (root && icalcomponent_isa(root.get()) == ICAL_XROOT_COMPONENT)
        for (icalcomponent* c =
                 icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
             c; c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(c);
    if (calendars.empty())
        return ImportResult::failure(u"The file is not an iCalendar file."_s);

    Reader reader(batch);
    int number = 0;
    for (icalcomponent* calendar : calendars) {
        // Events and to-dos in file order.
        for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c;
             c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
            const icalcomponent_kind kind = icalcomponent_isa(c);
            if (kind != ICAL_VEVENT_COMPONENT && kind != ICAL_VTODO_COMPONENT)
                continue;
            ++number;
            QString error;
            if (!reader.read(c, error))
                return ImportResult::failure(
                    u"Entry %1 of the iCalendar file is %2."_s.arg(number).arg(error));
        }
    }
    ImportResult result;
    result.ok = true;
    result.simplified = reader.simplified;
    result.records = batch.recordCount();
    return result;
}

} // namespace dvk
