#include "PurseRecordDialog.h"

#include "DatePicker.h"
#include "NumberFormat.h"
#include "PurseAmount.h"
#include "TextLimits.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace dvk {

PurseRecordDialog::PurseRecordDialog(const Clock& clock, QWidget* parent)
    : PropertyDialog(u"Purse Record Property"_s, parent)
    , m_date(makeDatePicker(clock.today()))
    , m_note(new QLineEdit)
    , m_amount(new QLineEdit)
{
    m_date->setDateRange(QDate(1753, 1, 1), QDate(9999, 12, 31));
    m_note->setMaxLength(MaxNoteLength);
    m_amount->setMaxLength(MaxAmountLength);

    auto* grid = new QGridLayout;
    const auto addRow = [grid](int row, const QString& text, QWidget* field) {
        auto* label = new QLabel(text);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
    };
    addRow(0, u"Date:"_s, m_date);
    addRow(1, u"Note:"_s, m_note);
    addRow(2, u"Amount:"_s, m_amount);
    grid->setColumnStretch(1, 1);
    // The date picker needs only the width of a date.
    grid->setAlignment(m_date, Qt::AlignLeft);

    setFields(grid, 329, 94);
    connect(m_note, &QLineEdit::textChanged, this, &PurseRecordDialog::refreshOkButton);
    connect(m_amount, &QLineEdit::textChanged, this, &PurseRecordDialog::refreshOkButton);
    m_date->setFocus();
    refreshOkButton();
}

void PurseRecordDialog::loadFrom(const PurseEntry& entry)
{
    Shown shown;
    shown.amountText = formatAmount(entry.amount);
    shown.amount = entry.amount;
    shown.year = entry.year;
    shown.month = entry.month;
    shown.day = entry.day;
    const QDate stored(entry.year, entry.month, entry.day);
    if (stored.isValid() && stored >= m_date->minimumDate() && stored <= m_date->maximumDate())
        m_date->setDate(stored);
    shown.date = m_date->date();
    TextLimits::setText(*m_note, QString::fromLocal8Bit(entry.note), MaxNoteLength);
    TextLimits::setText(*m_amount, shown.amountText, MaxAmountLength);
    m_shown = shown;
    refreshOkButton();
}

void PurseRecordDialog::storeInto(PurseEntry& entry) const
{
    entry.amount = amount();
    const QDate picked = m_date->date();
    if (m_shown && picked == m_shown->date) {
        entry.year = m_shown->year;
        entry.month = m_shown->month;
        entry.day = m_shown->day;
    } else {
        entry.year = picked.year();
        entry.month = picked.month();
        entry.day = picked.day();
    }
    entry.note = noteText().trimmed().toLocal8Bit();
}

QDate PurseRecordDialog::date() const
{
    return m_date->date();
}

void PurseRecordDialog::setDate(const QDate& date)
{
    m_date->setDate(date);
}

QString PurseRecordDialog::noteText() const
{
    return m_note->text();
}

void PurseRecordDialog::setNoteText(const QString& note)
{
    TextLimits::setText(*m_note, note, MaxNoteLength);
}

QString PurseRecordDialog::amountText() const
{
    return m_amount->text();
}

void PurseRecordDialog::setAmountText(const QString& amount)
{
    TextLimits::setText(*m_amount, amount, MaxAmountLength);
}

double PurseRecordDialog::amount() const
{
    const QString typed = amountText().trimmed();
    if (m_shown && typed == m_shown->amountText)
        return m_shown->amount;
    return parsePurseAmount(typed).value_or(0.0);
}

bool PurseRecordDialog::acceptable() const
{
    return !noteText().trimmed().isEmpty() && !amountText().trimmed().isEmpty();
}

} // namespace dvk
