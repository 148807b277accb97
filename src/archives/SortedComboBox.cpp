#include "SortedComboBox.h"

#include "ArchiveFilter.h"
#include "TextLimits.h"

#include <QLineEdit>
#include <algorithm>

namespace dvk {

SortedComboBox::SortedComboBox(int maxLength, QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Typing must never replace the text by a matching entry's.
    setCompleter(nullptr);
    lineEdit()->setMaxLength(maxLength);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
}

void SortedComboBox::setTexts(const QStringList& texts)
{
    QStringList sorted = texts;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return ArchiveFilter::compareTexts(a, b) < 0;
    });
    clear();
    for (const QString& text : std::as_const(sorted))
        makeRoomFor(text);
    addItems(sorted);
    setCurrentIndex(-1);
    setEditText(QString());
}

int SortedComboBox::addSorted(const QString& text)
{
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (ArchiveFilter::compareTexts(itemText(middle), text) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    makeRoomFor(text);
    insertItem(low, text);
    return low;
}

QStringList SortedComboBox::texts() const
{
    QStringList all;
    all.reserve(count());
    for (int i = 0; i < count(); ++i)
        all << itemText(i);
    return all;
}

void SortedComboBox::preset(const QString& text)
{
    // An exact entry wins over a mere prefix match, so that presetting a stored text never
    // swaps it for another that differs only in case or continues it.
    int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        index = findText(text, Qt::MatchStartsWith);
    if (index >= 0) {
        setCurrentIndex(index);
    } else {
        makeRoomFor(text);
        setCurrentIndex(-1);
        setEditText(text);
    }
}

void SortedComboBox::makeRoomFor(const QString& text)
{
    // Texts from the data file may be longer than anyone can type; they are shown whole, so that
    // confirming the dialog never cuts a stored text.
    TextLimits::makeRoomFor(*lineEdit(), text);
}

} // namespace dvk
