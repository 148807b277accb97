#pragma once

#include <QString>
#include <QtGlobal>

namespace dvk {

// Renders a stored date with the user's date picture (the DateFormat setting, read on every call,
// so a change applies to the next date shown) and the system locale's names. A missing or
// rejected picture falls back to DatePicture::DefaultPicture; see DatePicture for the syntax.
//
// Stored dates come from the data file and may be anything a damaged file holds. A date that
// does not exist, or lies outside the years 1 to 9999, is shown as its stored numbers
// "YYYY-MM-DD" (for example "2005-13-40") instead of being formatted.
//
// A capacity of 0 returns the whole text; otherwise at most capacity - 1 characters, as a list
// with a text buffer of that size shows them. The cut never splits a surrogate pair.
QString FormatDate(qint32 year, qint32 month, qint32 day, qsizetype capacity = 0);

// The picture FormatDate uses now: the stored DateFormat value if there is one, else the default.
QString StoredDatePicture();

} // namespace dvk
