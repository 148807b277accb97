#pragma once

#include "Records.h"

#include <QList>
#include <QString>
#include <optional>
#include <span>

namespace dvk {

// The statistics table of the Purse panel: four fixed rows of three columns, computed
// from the entry list's rows. Column 0 holds the row's label, column 1 a count (days "%d", weeks
// and months "%.01lf"), column 2 an amount ("%.02lf"); a blank cell is an empty text.
//
//   row 0  "Total Amount"      (empty)         total
//   row 1  "Days | Average"    days d          total / d             when d >= 2
//   row 2  "Weeks | Average"   d * 1/7         total / weeks         when weeks > 1.0 (d >= 8)
//   row 3  "Months | Average"  d * 1/30        total / months        when months > 1.0 (d >= 31)
//
// d is the number of days from the earliest to the latest considered entry (not an inclusive
// count). The considered entries are the selected rows when more than one is selected, else all
// rows; with no rows at all every cell is blank, the total included.
class PurseStatistics final
{
public:
    enum Row
    {
        TotalRow,
        DaysRow,
        WeeksRow,
        MonthsRow
    };
    static constexpr int RowCount = 4;
    static constexpr int ColumnCount = 3;

    // The averaging factors as DVK has always written them (not 1.0 / 7 and 1.0 / 30 computed).
    static constexpr double OneSeventh = 0.14285714285714285;
    static constexpr double OneThirtieth = 0.03333333333333333;
    // The earliest key's start value: later than any real date.
    static constexpr quint32 SmallestKeyStart = 199999999;

    // Blank statistics, as after a clear.
    PurseStatistics() = default;

    // The statistics of an entry list: `rows` are its records in row order, `selectedRows` the
    // numbers of its selected rows in any order (duplicates and numbers out of range are
    // ignored).
    static PurseStatistics compute(std::span<const PurseEntry* const> rows,
                                   QList<int> selectedRows = {});

    // The fixed label of a row (column 0).
    static QString label(int row);
    // The text of a cell; column 0 is the label, a blank cell or a cell out of range is empty.
    QString text(int row, int column) const;
    // No count and no amount is shown.
    bool isBlank() const { return !total; }

    // The date key of the statistics: year * 10000 + month * 100 + day as an
    // unsigned 32-bit number (wrapping as the original's arithmetic did; dates of the years
    // 0 to 9999 give the same order as dateKey()).
    static quint32 statisticsKey(const PurseEntry& entry);
    // The calendar date of such a key; invalid when the key names no valid date (a damaged file
    // may hold month 13 or day 0), in which case only the total is shown.
    static QDate keyDate(quint32 key);

    // The numbers behind the texts; a row's values are set only when the row is filled.
    std::optional<double> total;
    std::optional<int> days;
    std::optional<double> perDay;
    std::optional<double> weeks;
    std::optional<double> perWeek;
    std::optional<double> months;
    std::optional<double> perMonth;
};

} // namespace dvk
