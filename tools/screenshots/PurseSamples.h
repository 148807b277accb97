#pragma once

#include "Records.h"

#include <QDate>
#include <initializer_list>

// A category of sample expenses: `count` entries `everyDays` apart from 3 January 2024, all with
// the same note and amounts that wander a little around `amount`.
struct PurseSample
{
    const char* name;
    int count;
    int everyDays;
    double amount;
    const char* note;
};

inline void addPurseSamples(dvk::RecordList<dvk::PurseCategory>& book,
                            std::initializer_list<PurseSample> samples)
{
    for (const PurseSample& sample : samples) {
        dvk::PurseCategory* category = book.add();
        category->name = sample.name;
        QDate date(2024, 1, 3);
        for (int i = 0; i < sample.count; ++i) {
            dvk::PurseEntry* entry = category->entries.add();
            entry->year = date.year();
            entry->month = date.month();
            entry->day = date.day();
            entry->note = sample.note;
            entry->amount = sample.amount + (i % 5) * 1.25 - (i % 3) * 0.6;
            date = date.addDays(sample.everyDays);
        }
    }
}
