#pragma once

#include "Records.h"

#include <QString>
#include <vector>

namespace dvk {

// Which archive items a category filter lists and in what order, without any widget. A filter
// matches an item when it is empty or when the item's category, lower-cased, contains it
// lower-cased ("bank" lists Bank and Online banking). Rows are ordered by name with the locale's
// case-insensitive comparison, items of equal names keeping their store order.
class ArchiveFilter final
{
public:
    // The filter the item list starts with: carriage return and line feed, which no typed or
    // chosen category can equal, so the list stays empty until a category is chosen.
    static const QString Unchosen;

    explicit ArchiveFilter(const QString& filter = Unchosen);

    const QString& text() const { return m_text; }
    bool matches(const QByteArray& category) const;
    bool matches(const ArchiveItem& item) const { return matches(item.category); }

    // The matching items of `items`, in store order (not yet sorted).
    std::vector<ArchiveItem*> select(const RecordList<ArchiveItem>& items) const;

    // The order of `items` by name, case-insensitive and as the user's locale sorts text, items
    // of equal names keeping their order: element i is the index of the item that comes i-th.
    static std::vector<int> nameOrder(const std::vector<ArchiveItem*>& items);
    // Sorts `items` by that order.
    static void sortByName(std::vector<ArchiveItem*>& items);
    // Compares two texts as the sorted lists and boxes of the panel do: < 0, 0 or > 0.
    static int compareTexts(const QString& a, const QString& b);

private:
    QString m_text;
    QString m_lower;
};

} // namespace dvk
