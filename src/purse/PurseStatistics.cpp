#include "PurseStatistics.h"

#include "NumberFormat.h"
#include "PurseTotals.h"

#include <algorithm>

namespace dvk {

PurseStatistics PurseStatistics::compute(std::span<const PurseEntry* const> rows,
                                         QList<int> selectedRows)
{
    PurseStatistics stats;
    if (rows.empty())
        return stats;

    const QList<int> selected =
        selectedRowsInOrder(std::move(selectedRows), qsizetype(rows.size()));
    double total = 0.0;
    quint32 largest = 0;
    quint32 smallest = SmallestKeyStart;
    const auto consider = [&](const PurseEntry* entry) {
        total += entry->amount;
        const quint32 key = statisticsKey(*entry);
        largest = std::max(largest, key);
        smallest = std::min(smallest, key);
    };
    if (selected.size() > 1) {
        for (const int row : selected)
            consider(rows[size_t(row)]);
    } else {
        for (const PurseEntry* entry : rows)
            consider(entry);
    }
    stats.total = total;

    if (largest <= smallest)
        return stats;
    const QDate earliest = keyDate(smallest);
    const QDate latest = keyDate(largest);
    if (!earliest.isValid() || !latest.isValid())
        return stats;
    const int d = int(earliest.daysTo(latest));
    if (d < 2)
        return stats;
    stats.days = d;
    stats.perDay = total / d;

    const double weeks = d * OneSeventh;
    if (!(weeks > 1.0))
        return stats;
    stats.weeks = weeks;
    stats.perWeek = total / weeks;

    const double months = d * OneThirtieth;
    if (!(months > 1.0))
        return stats;
    stats.months = months;
    stats.perMonth = total / months;
    return stats;
}

QString PurseStatistics::label(int row)
{
    switch (row) {
    case TotalRow:
        return QStringLiteral("Total Amount");
    case DaysRow:
        return QStringLiteral("Days | Average");
    case WeeksRow:
        return QStringLiteral("Weeks | Average");
    case MonthsRow:
        return QStringLiteral("Months | Average");
    default:
        return {};
    }
}

QString PurseStatistics::text(int row, int column) const
{
    const auto oneDecimal = [](const std::optional<double>& count) {
        return count ? formatFixed(*count, 1) : QString();
    };
    const auto amount = [](const std::optional<double>& value) {
        return value ? formatAmount(*value) : QString();
    };
    if (column == 0)
        return label(row);
    if (column == 1) {
        switch (row) {
        case DaysRow:
            return days ? QString::number(*days) : QString();
        case WeeksRow:
            return oneDecimal(weeks);
        case MonthsRow:
            return oneDecimal(months);
        default:
            return {};
        }
    }
    if (column == 2) {
        switch (row) {
        case TotalRow:
            return amount(total);
        case DaysRow:
            return amount(perDay);
        case WeeksRow:
            return amount(perWeek);
        case MonthsRow:
            return amount(perMonth);
        default:
            return {};
        }
    }
    return {};
}

quint32 PurseStatistics::statisticsKey(const PurseEntry& entry)
{
    return quint32(entry.year) * 10000u + quint32(entry.month) * 100u + quint32(entry.day);
}

QDate PurseStatistics::keyDate(quint32 key)
{
    return QDate(int(key / 10000), int(key % 10000 / 100), int(key % 100));
}

} // namespace dvk
