#pragma once

#include "Clock.h"
#include "RecordList.h"

#include <QByteArray>
#include <QtGlobal>

namespace dvk {

// Selects the record constructors that skip the date defaults, for the file reader, which fills
// every field anyway: asking the clock for today costs more than reading the record.
struct Unfilled
{
};

// The records of the data store. Texts are bytes in the locale's 8-bit encoding, kept exactly as
// read so that a data file round-trips byte for byte; dates are year, month and day as given,
// never validated here (a damaged file may hold any value).

// Orders dates as year * 10000 + month * 100 + day, widened so that no stored value overflows.
inline qint64 dateKey(qint32 year, qint32 month, qint32 day)
{
    return qint64(year) * 10000 + qint64(month) * 100 + day;
}

struct ArchiveField final
{
    QByteArray name;
    QByteArray value;
};

// A dated note with an icon; the Notes list and every archive item hold them.
struct NoteRecord final
{
    explicit NoteRecord(const Clock& clock)
    {
        const QDate d = clock.today();
        year = d.year();
        month = d.month();
        day = d.day();
    }
    NoteRecord(const Clock&, Unfilled) {}
    qint64 dateKey() const { return dvk::dateKey(year, month, day); }

    qint32 year = 0;
    qint32 month = 0;
    qint32 day = 0;
    qint32 imageIndex = 0;
    QByteArray text;
};

// A reminder. The due time is used only when anyTime is 0.
struct MemoRecord final
{
    enum Recurrence : qint32 { NoRecurrence = 0, NextDay, NextWeek, NextMonth, NextYear };

    explicit MemoRecord(const Clock& clock)
    {
        const QDate d = clock.today();
        createdYear = dueYear = d.year();
        createdMonth = dueMonth = d.month();
        createdDay = dueDay = d.day();
    }
    MemoRecord(const Clock&, Unfilled) {}

    qint32 createdYear = 0;
    qint32 createdMonth = 0;
    qint32 createdDay = 0;
    QByteArray text;
    qint32 imageIndex = 0;
    qint32 dueYear = 0;
    qint32 dueMonth = 0;
    qint32 dueDay = 0;
    qint32 dueHour = 1;
    qint32 dueMinute = 0;
    qint32 dueSecond = 0;
    qint32 anyTime = 1;
    qint32 dismissed = 0;
    qint32 beep = 0;
    qint32 recurrence = NoRecurrence;
};

struct PurseEntry final
{
    explicit PurseEntry(const Clock& clock)
    {
        const QDate d = clock.today();
        year = d.year();
        month = d.month();
        day = d.day();
    }
    PurseEntry(const Clock&, Unfilled) {}
    qint64 dateKey() const { return dvk::dateKey(year, month, day); }

    qint32 year = 0;
    qint32 month = 0;
    qint32 day = 0;
    QByteArray note;
    double amount = 0.0;
};

// An expense category: a name and its entries.
struct PurseCategory final
{
    explicit PurseCategory(const Clock& clock) : entries(clock) {}
    PurseCategory(const Clock& clock, Unfilled) : entries(clock) {}

    // The sum of the amounts in list order, in double precision.
    double total() const
    {
        double sum = 0.0;
        for (const PurseEntry* e : entries)
            sum += e->amount;
        return sum;
    }

    QByteArray name;
    RecordList<PurseEntry> entries;
};

// An item of the Archives: a name, a category text, its facts and its dated notes.
struct ArchiveItem final
{
    explicit ArchiveItem(const Clock& clock) : fields(clock), notes(clock)
    {
        const QDate d = clock.today();
        createdYear = d.year();
        createdMonth = d.month();
        createdDay = d.day();
    }
    ArchiveItem(const Clock& clock, Unfilled) : fields(clock), notes(clock) {}

    qint32 createdYear = 0;
    qint32 createdMonth = 0;
    qint32 createdDay = 0;
    QByteArray name;
    QByteArray category;
    RecordList<ArchiveField> fields;
    RecordList<NoteRecord> notes;
};

} // namespace dvk
