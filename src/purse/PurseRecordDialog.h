#pragma once

#include "PropertyDialog.h"
#include "Records.h"

#include <QDate>
#include <optional>

class QDateEdit;
class QLineEdit;

namespace dvk {

// "Purse Record Property": the date, note and amount of an expense entry. OK is enabled only
// while both the note and the amount hold more than white space. The amount text is read as
// parsePurseAmount() reads it; text without a number in front gives 0.0.
//
// When editing, a field the user leaves as it was shown keeps the entry's stored value: an amount
// with more than two decimals is not rounded to the two shown, and a stored date the date picker
// cannot show (from a damaged file) is not replaced by today.
class PurseRecordDialog final : public PropertyDialog
{
    Q_OBJECT

public:
    static constexpr int MaxNoteLength = 255;
    static constexpr int MaxAmountLength = 40;

    // A new entry: today's date, empty note and amount.
    explicit PurseRecordDialog(const Clock& clock, QWidget* parent = nullptr);

    // Shows an entry for editing, its amount with two decimals.
    void loadFrom(const PurseEntry& entry);
    // Writes the trimmed note, the date and the read amount into `entry`.
    void storeInto(PurseEntry& entry) const;

    QDate date() const;
    void setDate(const QDate& date);
    QString noteText() const;
    void setNoteText(const QString& note);
    QString amountText() const;
    void setAmountText(const QString& amount);
    // The amount as OK would store it.
    double amount() const;

private:
    bool acceptable() const override;

    // What loadFrom() showed, and the stored values behind it.
    struct Shown
    {
        QString amountText;
        double amount = 0.0;
        QDate date;
        qint32 year = 0;
        qint32 month = 0;
        qint32 day = 0;
    };

    QDateEdit* m_date;
    QLineEdit* m_note;
    QLineEdit* m_amount;
    std::optional<Shown> m_shown;
};

} // namespace dvk
