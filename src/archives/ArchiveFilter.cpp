#include "ArchiveFilter.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

// The collator of the current default locale; made again when the locale changes.
const QCollator& textCollator()
{
    static QCollator collator;
    static bool made = false;
    if (!made || collator.locale() != QLocale()) {
        collator = QCollator(QLocale());
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        made = true;
    }
    return collator;
}

} // namespace

const QString ArchiveFilter::Unchosen = u"\r\n"_s;

ArchiveFilter::ArchiveFilter(const QString& filter)
    : m_text(filter)
    , m_lower(filter.toLower())
{}

bool ArchiveFilter::matches(const QByteArray& category) const
{
    if (m_text.isEmpty())
        return true;
    return QString::fromLocal8Bit(category).toLower().contains(m_lower);
}

std::vector<ArchiveItem*> ArchiveFilter::select(const RecordList<ArchiveItem>& items) const
{
    std::vector<ArchiveItem*> rows;
    if (m_text.isEmpty()) {
        rows.reserve(size_t(items.count()));
        for (ArchiveItem* item : items)
            rows.push_back(item);
        return rows;
    }
    // Many items share few categories: each distinct category is decoded and tested once.
    QHash<QByteArray, bool> verdicts;
    for (ArchiveItem* item : items) {
        auto it = verdicts.constFind(item->category);
        if (it == verdicts.constEnd())
            it = verdicts.insert(item->category, matches(item->category));
        if (*it)
            rows.push_back(item);
    }
    return rows;
}

std::vector<int> ArchiveFilter::nameOrder(const std::vector<ArchiveItem*>& items)
{
    // Sort keys are made once per item: comparing them is far cheaper than collating the texts
    // again in every comparison.
    const QCollator& collator = textCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(items.size());
    for (const ArchiveItem* item : items)
        // Folded first: in the C locale sort keys are the plain bytes and ignore the collator's
        // case setting.
        keys.push_back(collator.sortKey(QString::fromLocal8Bit(item->name).toCaseFolded()));
    std::vector<int> order(items.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        return keys[size_t(a)].compare(keys[size_t(b)]) < 0;
    });
    return order;
}

void ArchiveFilter::sortByName(std::vector<ArchiveItem*>& items)
{
    const std::vector<int> order = nameOrder(items);
    std::vector<ArchiveItem*> sorted;
    sorted.reserve(items.size());
    for (const int i : order)
        sorted.push_back(items[size_t(i)]);
    items = std::move(sorted);
}

int ArchiveFilter::compareTexts(const QString& a, const QString& b)
{
    return textCollator().compare(a, b);
}

} // namespace dvk
