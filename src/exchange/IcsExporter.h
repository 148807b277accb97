#pragma once

#include "DataStore.h"

#include <QByteArray>

namespace dvk {

// Writes the Memo list as an iCalendar file (RFC 5545) through libical: one VEVENT per memo with
// a UID that stays the same from one export to the next, SUMMARY = the text, DTSTART a DATE for
// an any-time memo or a floating DATE-TIME, an RRULE for the four repetitions and a display
// alarm at the start. The fields only DVK has (icon, beep, dismissed, the creation date) travel
// as X-DVK- properties, so DVK reads back what it wrote; DTSTAMP is the creation date so that
// exporting the same memos twice gives the same file.
class IcsExporter final
{
public:
    static QByteArray write(const DataStore& store);
};

} // namespace dvk
