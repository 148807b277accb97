#pragma once

class QDate;
class QDateEdit;

namespace dvk {

// A date box with a calendar pop-up set to `date`, showing the locale's short date with a
// four-digit year: a two-digit year would confine the picker to one century. Owned by the layout
// it is added to.
QDateEdit* makeDatePicker(const QDate& date);

} // namespace dvk
