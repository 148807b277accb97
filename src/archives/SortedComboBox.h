#pragma once

#include <QComboBox>

namespace dvk {

// An editable drop-down box that keeps its entries sorted as the Archives lists sort text
// (case-insensitive, as the locale orders it) and never adds typed texts by itself.
class SortedComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit SortedComboBox(int maxLength, QWidget* parent = nullptr);

    // Replaces the entries with `texts`, sorted; nothing is selected afterwards.
    void setTexts(const QStringList& texts);
    // Inserts `text` where it sorts (after entries that compare equal) and returns its index.
    int addSorted(const QString& text);
    QStringList texts() const;

    // Presets the field: an entry equal to `text` (case included) is selected, else the first
    // entry that begins with it ignoring case, else the field shows `text` itself.
    void preset(const QString& text);

private:
    void makeRoomFor(const QString& text);
};

} // namespace dvk
