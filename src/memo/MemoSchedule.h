#pragma once

#include "Clock.h"
#include "Records.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace dvk {

// The reminder logic of one memo: when it falls due, the texts the Memo list shows for it, and how
// a recurring memo moves on to its next occurrence. Needs no window; "now" comes from the clock
// given at construction and is read afresh by every call.
//
// Moments are local wall-clock times counted in whole seconds (day number × 86400 + seconds of
// the day), so a countdown across a daylight-saving change is measured in wall-clock time.
//
// Stored dates are not trusted: a memo whose due date (or, for a timed memo, time of day) does not
// exist on the calendar, or whose year lies outside 1 to 9999, has no due moment. It is never due,
// never alerts, sorts after every valid memo, shows "Invalid date" and "Never due", and is left
// unchanged by the recurrence step.
//
// Monthly and yearly steps keep the stored day (and month): a step onto a day that the target
// month lacks is skipped, so a memo on the 31st moves on to the next month that has a 31st and one
// on 29 February to the next leap year. The rule is the same for the first and every later step,
// and the record never holds a date that does not exist.
class MemoSchedule final
{
public:
    using Moment = qint64;
    // Renders a due date with the user's date picture.
    using DateFormatter = std::function<QString(qint32 year, qint32 month, qint32 day)>;

    // Without a formatter dates are shown as yyyy-MM-dd.
    explicit MemoSchedule(const Clock& clock, DateFormatter formatDate = {});

    // The due date at 00:00:01 for an any-time memo, else at its stored time; none when invalid.
    static std::optional<Moment> dueMoment(const MemoRecord& memo);
    // The key the Memo list sorts by: the due moment, invalid memos last.
    static Moment sortKey(const MemoRecord& memo);
    static Moment momentOf(const QDateTime& time);

    Moment now() const;
    bool isDue(const MemoRecord& memo) const;
    bool isOverdue(const MemoRecord& memo) const;
    QString timeText(const MemoRecord& memo) const;
    QString statusText(const MemoRecord& memo) const;
    // Moves the due date to the first occurrence later than now, at least one step on.
    void advanceRecurrence(MemoRecord& memo) const;
    // Dismisses a due memo; a recurring one instead moves on to its next occurrence, where it
    // alerts again. Returns whether it was due.
    bool dismissIfDue(MemoRecord& memo) const;
    // Whether a memo counts as dismissed now: a recurring one only on the day it is due.
    bool isDismissed(const MemoRecord& memo) const;

    // Whether a memo may be saved for `date`, at `time` when timed or else at 00:00:01: only a
    // moment more than 60 seconds ahead is accepted.
    bool acceptsMoment(const QDate& date, const QTime& time, bool timed) const;

    struct Alerts
    {
        std::vector<qsizetype> dueRows; // rows to select, in row order
        bool beep = false;              // one of them asks for a beep
    };
    // The alert check over the memos of the list in row order: every memo that is not dismissed
    // and whose moment has come.
    Alerts checkAlerts(const std::vector<const MemoRecord*>& rows) const;

    // "d:hh:mm:ss" of a number of seconds; days are not padded and may exceed 99.
    static QString countdownText(Moment seconds);

    static const QString NotUsedText;
    static const QString OverdueText;
    static const QString DueText;
    static const QString InvalidDateText;
    static const QString NeverDueText;

private:
    const Clock& m_clock;
    DateFormatter m_formatDate;
};

} // namespace dvk
