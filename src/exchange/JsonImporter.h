#pragma once

#include "ImportBatch.h"

#include <QByteArray>

namespace dvk {

// Reads a DVK JSON export into a batch. Every field of every record must be there with its type
// (dates and times in their text form, whole numbers within 32 bits); the first fault fails the
// whole file with a message naming the record, for example "memos[3].due".
class JsonImporter final
{
public:
    static ImportResult read(const QByteArray& bytes, ImportBatch& batch);
};

} // namespace dvk
