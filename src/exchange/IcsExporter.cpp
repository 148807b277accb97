#include "IcsExporter.h"

#include "IcalPointer.h"
#include "StoredFields.h"

#include <QCryptographicHash>
#include <QDate>
#include <QSet>
#include <QTime>

namespace dvk {
namespace {

void addX(icalcomponent* c, const char* name, const QByteArray& value)
{
    icalproperty* p = icalproperty_new_x(value.constData());
    icalproperty_set_x_name(p, name);
    icalcomponent_add_property(c, p);
}

// A memo's text as a calendar can carry it: valid UTF-8 whatever bytes the store holds, up to a
// NUL byte, without the control characters (carriage returns among them) that a calendar line
// cannot hold, and without leading blanks, which libical's reader drops; line feeds and tabs
// inside stay. (The memo dialog trims its text, so only imported texts lose anything.)
QByteArray calendarText(const QByteArray& bytes)
{
    QByteArray text = QString::fromUtf8(bytes).toUtf8();
    text.truncate(qstrnlen(text.constData(), size_t(text.size())));
    text.removeIf([](char c) { return (uchar(c) < 0x20 && c != '\n' && c != '\t') || c == 0x7f; });
    qsizetype blanks = 0;
    while (blanks < text.size() && (text[blanks] == ' ' || text[blanks] == '\t'))
        ++blanks;
    return text.mid(blanks);
}

icaltimetype dateOf(const QDate& d)
{
    icaltimetype t = icaltime_null_date();
    t.year = d.year();
    t.month = d.month();
    t.day = d.day();
    return t;
}

// libical writes a date after the year 3000 as 00000000, which no reader takes back.
bool writable(const QDate& d)
{
    return d.isValid() && d.year() > 0 && d.year() <= 3000;
}

icaltimetype stampOf(const MemoRecord& m)
{
    const QDate created(m.createdYear, m.createdMonth, m.createdDay);
    icaltimetype t = icaltime_null_time();
    t.year = writable(created) ? created.year() : 1970;
    t.month = writable(created) ? created.month() : 1;
    t.day = writable(created) ? created.day() : 1;
    return icaltime_set_timezone(&t, icaltimezone_get_utc_timezone());
}

// Made from what the event carries (its calendar text), so that the memo read back from the
// file exports with the same UID.
QByteArray uidOf(const MemoRecord& m, const QByteArray& text, QSet<QByteArray>& taken)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(StoredFields::dateText(m.createdYear, m.createdMonth, m.createdDay).toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(text);
    const QByteArray base = hash.result().toHex().left(24);
    QByteArray uid = base + "@dvk";
    for (int n = 2; taken.contains(uid); ++n)
        uid = base + '-' + QByteArray::number(n) + "@dvk";
    taken.insert(uid);
    return uid;
}

icalrecurrencetype_frequency frequencyOf(qint32 recurrence)
{
    switch (recurrence) {
    case MemoRecord::NextDay:
        return ICAL_DAILY_RECURRENCE;
    case MemoRecord::NextWeek:
        return ICAL_WEEKLY_RECURRENCE;
    case MemoRecord::NextMonth:
        return ICAL_MONTHLY_RECURRENCE;
    case MemoRecord::NextYear:
        return ICAL_YEARLY_RECURRENCE;
    default:
        return ICAL_NO_RECURRENCE;
    }
}

icalcomponent* eventOf(const MemoRecord& m, QSet<QByteArray>& uids)
{
    icalcomponent* event = icalcomponent_new_vevent();
    const QByteArray text = calendarText(m.text);
    icalcomponent_add_property(event, icalproperty_new_uid(uidOf(m, text, uids).constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stampOf(m)));
    icalcomponent_add_property(event, icalproperty_new_summary(text.constData()));

    const QDate due(m.dueYear, m.dueMonth, m.dueDay);
    const QTime time(m.dueHour, m.dueMinute, m.dueSecond);
    const bool timed = m.anyTime == 0;
    if (writable(due) && (!timed || time.isValid())) {
        icaltimetype start = dateOf(due);
        if (timed) {
            start.is_date = 0;
            start.hour = time.hour();
            start.minute = time.minute();
            start.second = time.second();
        }
        icalcomponent_add_property(event, icalproperty_new_dtstart(start));
    } else {
        // No calendar can show a damaged date; DVK keeps its numbers.
        addX(event, "X-DVK-DUE", StoredFields::dateText(m.dueYear, m.dueMonth, m.dueDay).toUtf8());
        if (timed)
            addX(event, "X-DVK-TIME",
                 StoredFields::timeText(m.dueHour, m.dueMinute, m.dueSecond).toUtf8());
    }

    const icalrecurrencetype_frequency frequency = frequencyOf(m.recurrence);
    if (frequency != ICAL_NO_RECURRENCE) {
        icalrecurrencetype rule;
        icalrecurrencetype_clear(&rule);
        rule.freq = frequency;
        icalcomponent_add_property(event, icalproperty_new_rrule(rule));
    }

    addX(event, "X-DVK-CREATED",
         StoredFields::dateText(m.createdYear, m.createdMonth, m.createdDay).toUtf8());
    addX(event, "X-DVK-ICON", QByteArray::number(m.imageIndex));
    addX(event, "X-DVK-BEEP", m.beep ? "1" : "0");
    addX(event, "X-DVK-DISMISSED", m.dismissed ? "1" : "0");

    icalcomponent* alarm = icalcomponent_new_valarm();
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_null_duration();
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    icalcomponent_add_property(alarm, icalproperty_new_description(text.constData()));
    icalcomponent_add_component(event, alarm);
    return event;
}

} // namespace

QByteArray IcsExporter::write(const DataStore& store)
{
    IcalComponentPtr calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(),
                               icalproperty_new_prodid("-//Quillmark//DVK 2.9//EN"));
    QSet<QByteArray> uids;
    for (const MemoRecord* m : store.memos)
        icalcomponent_add_component(calendar.get(), eventOf(*m, uids));
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

} // namespace dvk
