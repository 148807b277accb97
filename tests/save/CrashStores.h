#pragma once

#include "DataStore.h"

namespace dvk::test {

// The two stores of the crash test, about 5 MB each: the same notes, with a different first
// note and a different last one, so that each is told from the other and from any mix of both.
inline void fillCrashStore(DataStore& store, bool second)
{
    store.notes.clear();
    constexpr int Notes = 20000;
    const QByteArray body(250, second ? 'b' : 'a');
    for (int i = 0; i < Notes; ++i) {
        NoteRecord* note = store.notes.add();
        note->text = QByteArray::number(i) + body;
        note->imageIndex = i % 60;
    }
    store.notes.at(0)->text = second ? "second" : "first";
    store.notes.at(Notes - 1)->text = second ? "second, last" : "first, last";
}

} // namespace dvk::test
