#pragma once

#include "ImportBatch.h"

#include <QByteArray>

namespace dvk {

// The Purse as CSV (RFC 4180): UTF-8, CRLF line ends, the header "Category,Date,Note,Amount"
// and one row per entry in store order. Reading takes either line end, a byte-order mark and
// quoted fields over several lines; every row must have the four fields, a date "YYYY-MM-DD"
// and an amount with "." as its decimal point, or the file fails with the row's line number.
class PurseCsv final
{
public:
    static QByteArray write(const DataStore& store);
    static ImportResult read(const QByteArray& bytes, ImportBatch& batch);
};

} // namespace dvk
