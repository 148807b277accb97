#include "MemoSchedule.h"

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

constexpr qint64 SecondsPerDay = 86400;
constexpr qint32 LastYear = 9999;
// An any-time memo falls due one second past midnight.
constexpr qint64 AnyTimeSecond = 1;

bool validDate(qint32 year, qint32 month, qint32 day)
{
    return year >= 1 && year <= LastYear && QDate::isValid(year, month, day);
}

std::optional<qint64> secondOfDay(qint32 hour, qint32 minute, qint32 second)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    return qint64(hour) * 3600 + minute * 60 + second;
}

qint64 dayStart(qint32 year, qint32 month, qint32 day)
{
    return QDate(year, month, day).toJulianDay() * SecondsPerDay;
}

QString twoDigits(qint64 value)
{
    return u"%1"_s.arg(value, 2, 10, QChar(u'0'));
}

} // namespace

const QString MemoSchedule::NotUsedText = u"Not Used"_s;
const QString MemoSchedule::OverdueText = u"Overdue"_s;
const QString MemoSchedule::DueText = u"Due"_s;
const QString MemoSchedule::InvalidDateText = u"Invalid date"_s;
const QString MemoSchedule::NeverDueText = u"Never due"_s;

MemoSchedule::MemoSchedule(const Clock& clock, DateFormatter formatDate)
    : m_clock(clock)
    , m_formatDate(std::move(formatDate))
{}

std::optional<MemoSchedule::Moment> MemoSchedule::dueMoment(const MemoRecord& memo)
{
    if (!validDate(memo.dueYear, memo.dueMonth, memo.dueDay))
        return std::nullopt;
    const qint64 start = dayStart(memo.dueYear, memo.dueMonth, memo.dueDay);
    if (memo.anyTime != 0)
        return start + AnyTimeSecond;
    const auto second = secondOfDay(memo.dueHour, memo.dueMinute, memo.dueSecond);
    if (!second)
        return std::nullopt;
    return start + *second;
}

MemoSchedule::Moment MemoSchedule::sortKey(const MemoRecord& memo)
{
    return dueMoment(memo).value_or(std::numeric_limits<Moment>::max());
}

MemoSchedule::Moment MemoSchedule::momentOf(const QDateTime& time)
{
    if (!time.isValid())
        return 0;
    return time.date().toJulianDay() * SecondsPerDay + time.time().msecsSinceStartOfDay() / 1000;
}

MemoSchedule::Moment MemoSchedule::now() const
{
    return momentOf(m_clock.now());
}

bool MemoSchedule::isDue(const MemoRecord& memo) const
{
    const auto moment = dueMoment(memo);
    return moment && now() >= *moment;
}

bool MemoSchedule::isOverdue(const MemoRecord& memo) const
{
    if (!dueMoment(memo))
        return false;
    if (memo.anyTime == 0)
        return isDue(memo);
    const QDate today = m_clock.today();
    return dateKey(memo.dueYear, memo.dueMonth, memo.dueDay) <
           dateKey(today.year(), today.month(), today.day());
}

QString MemoSchedule::timeText(const MemoRecord& memo) const
{
    if (!dueMoment(memo))
        return InvalidDateText;
    QString date = m_formatDate
                       ? m_formatDate(memo.dueYear, memo.dueMonth, memo.dueDay)
                       : QDate(memo.dueYear, memo.dueMonth, memo.dueDay).toString(Qt::ISODate);
    date.truncate(254);
    if (memo.anyTime != 0)
        return date;
    return u"%1, %2:%3:%4"_s.arg(date, twoDigits(memo.dueHour), twoDigits(memo.dueMinute),
                                 twoDigits(memo.dueSecond));
}

QString MemoSchedule::countdownText(Moment seconds)
{
    const bool negative = seconds < 0;
    // Negating the smallest value would overflow; no real countdown comes near it.
    const qint64 left =
        negative ? -std::max(seconds, -std::numeric_limits<qint64>::max()) : seconds;
    const QString text = u"%1:%2:%3:%4"_s.arg(left / SecondsPerDay)
                             .arg(twoDigits(left % SecondsPerDay / 3600),
                                  twoDigits(left % 3600 / 60), twoDigits(left % 60));
    return negative ? u'-' + text : text;
}

QString MemoSchedule::statusText(const MemoRecord& memo) const
{
    const auto moment = dueMoment(memo);
    if (!moment)
        return NeverDueText;
    // One reading of the clock decides both whether the memo is due and the countdown.
    const Moment current = now();
    if (current < *moment)
        return countdownText(*moment - current);
    if (isDismissed(memo))
        return NotUsedText;
    return isOverdue(memo) ? OverdueText : DueText;
}

void MemoSchedule::advanceRecurrence(MemoRecord& memo) const
{
    if (memo.recurrence < MemoRecord::NextDay || memo.recurrence > MemoRecord::NextYear)
        return;
    const auto time = secondOfDay(memo.dueHour, memo.dueMinute, memo.dueSecond);
    if (!time || !validDate(memo.dueYear, memo.dueMonth, memo.dueDay))
        return;
    const Moment current = now();

    if (memo.recurrence == MemoRecord::NextDay || memo.recurrence == MemoRecord::NextWeek) {
        const qint64 days = memo.recurrence == MemoRecord::NextDay ? 1 : 7;
        const Moment candidate = dayStart(memo.dueYear, memo.dueMonth, memo.dueDay) + *time;
        // The number of steps that first passes now, computed instead of counted one by one.
        const qint64 steps =
            candidate > current ? 1 : (current - candidate) / (days * SecondsPerDay) + 1;
        const QDate next = QDate(memo.dueYear, memo.dueMonth, memo.dueDay).addDays(steps * days);
        if (!next.isValid() || next.year() > LastYear)
            return;
        memo.dueYear = next.year();
        memo.dueMonth = next.month();
        memo.dueDay = next.day();
        return;
    }

    const QDate today = m_clock.today();
    if (memo.recurrence == MemoRecord::NextMonth) {
        // Months counted from year 0; candidates before last month cannot be later than now.
        const qint64 first = std::max(qint64(memo.dueYear) * 12 + memo.dueMonth,
                                      qint64(today.year()) * 12 + today.month() - 2);
        for (qint64 index = first;; ++index) {
            const auto year = qint32(index / 12);
            const auto month = qint32(index % 12 + 1);
            if (year > LastYear)
                return;
            if (validDate(year, month, memo.dueDay) &&
                dayStart(year, month, memo.dueDay) + *time > current) {
                memo.dueYear = year;
                memo.dueMonth = month;
                return;
            }
        }
    }

    for (qint32 year = std::max(memo.dueYear + 1, today.year() - 1); year <= LastYear; ++year) {
        if (validDate(year, memo.dueMonth, memo.dueDay) &&
            dayStart(year, memo.dueMonth, memo.dueDay) + *time > current) {
            memo.dueYear = year;
            return;
        }
    }
}

bool MemoSchedule::dismissIfDue(MemoRecord& memo) const
{
    if (!isDue(memo))
        return false;
    memo.dismissed = 1;
    advanceRecurrence(memo);
    // A recurring memo now waits for its next occurrence, which must alert again: left dismissed,
    // a daily reminder would remind only once.
    if (!isDue(memo))
        memo.dismissed = 0;
    return true;
}

bool MemoSchedule::isDismissed(const MemoRecord& memo) const
{
    if (memo.dismissed == 0)
        return false;
    // Dismissing an overdue any-time memo whose stored time of day is still ahead moves it to
    // today, where it is due at once; that dismissal answers today only, so from the next day on
    // the occurrence alerts again instead of staying "Not Used" for good.
    const bool recurs =
        memo.recurrence >= MemoRecord::NextDay && memo.recurrence <= MemoRecord::NextYear;
    return !recurs || !validDate(memo.dueYear, memo.dueMonth, memo.dueDay) ||
           QDate(memo.dueYear, memo.dueMonth, memo.dueDay) >= m_clock.today();
}

bool MemoSchedule::acceptsMoment(const QDate& date, const QTime& time, bool timed) const
{
    if (!date.isValid() || date.year() < 1 || date.year() > LastYear || (timed && !time.isValid()))
        return false;
    const Moment candidate = date.toJulianDay() * SecondsPerDay +
                             (timed ? time.msecsSinceStartOfDay() / 1000 : AnyTimeSecond);
    return candidate - now() > 60;
}

MemoSchedule::Alerts MemoSchedule::checkAlerts(const std::vector<const MemoRecord*>& rows) const
{
    Alerts alerts;
    const Moment current = now();
    for (size_t row = 0; row < rows.size(); ++row) {
        const MemoRecord& memo = *rows[row];
        if (isDismissed(memo))
            continue;
        const auto moment = dueMoment(memo);
        if (!moment || *moment > current)
            continue;
        alerts.dueRows.push_back(qsizetype(row));
        alerts.beep = alerts.beep || memo.beep != 0;
    }
    return alerts;
}

} // namespace dvk
