#pragma once

#include "ImportBatch.h"

#include <QByteArray>

namespace dvk {

// Reads the VEVENTs and VTODOs of an iCalendar file, DVK's own or another program's, into memos.
// A start (VEVENT) or due time (VTODO) with a TZID or in UTC becomes local time; a DATE makes an
// any-time memo. An RRULE DVK can repeat (every day, week, month or year, unbounded) becomes its
// repetition; any other (an interval, a list of days, COUNT or UNTIL) becomes none and is counted
// in the result's `simplified`.
class IcsImporter final
{
public:
    static ImportResult read(const QByteArray& bytes, ImportBatch& batch);
};

} // namespace dvk
