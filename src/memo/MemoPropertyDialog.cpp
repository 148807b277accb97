#include "MemoPropertyDialog.h"

#include "LimitedTextEdit.h"
#include "SettingsStore.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

constexpr int RecheckMilliseconds = 1000;
// A new memo is suggested this far ahead.
constexpr qint64 DefaultLeadSeconds = 12 * 3600 + 12 * 60 + 12;

} // namespace

const QString MemoPropertyDialog::AnyTimeCaption = u"   Any time of the day"_s;

MemoPropertyDialog::MemoPropertyDialog(const Clock& clock, QWidget* parent)
    : QDialog(parent)
    , m_schedule(clock)
    , m_text(new LimitedTextEdit(MaxTextLength))
    , m_date(new QDateEdit)
    , m_anyTime(new QRadioButton(AnyTimeCaption))
    , m_timed(new QRadioButton)
    , m_time(new QTimeEdit)
    , m_beep(new QCheckBox(u"Beep"_s))
{
    setWindowTitle(u"Memo Property"_s);

    auto* textGroup = new QGroupBox(u"Text"_s);
    m_text->setTabChangesFocus(true);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setFixedHeight(m_text->fontMetrics().lineSpacing() * 4 + 12);
    m_text->setMinimumWidth(m_text->fontMetrics().averageCharWidth() * 48);
    m_text->installEventFilter(this);
    (new QVBoxLayout(textGroup))->addWidget(m_text);

    auto* dateGroup = new QGroupBox(u"Date and Time"_s);
    auto* dateGrid = new QGridLayout(dateGroup);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(u"yyyy-MM-dd"_s);
    m_date->setDateRange(QDate(1753, 1, 1), QDate(9999, 12, 31));
    m_time->setDisplayFormat(u"HH:mm:ss"_s);
    dateGrid->addWidget(new QLabel(u"Date:"_s), 0, 0);
    dateGrid->addWidget(m_date, 0, 1, 1, 2);
    dateGrid->addWidget(new QLabel(u"Time:"_s), 1, 0);
    dateGrid->addWidget(m_anyTime, 1, 1, 1, 2);
    dateGrid->addWidget(m_timed, 2, 1);
    dateGrid->addWidget(m_time, 2, 2);
    dateGrid->setColumnStretch(2, 1);

    auto* reminderGroup = new QGroupBox(u"Reminder"_s);
    auto* reminderLayout = new QVBoxLayout(reminderGroup);
    reminderLayout->addWidget(m_beep);
    reminderLayout->addStretch();

    auto* recurrenceGroup = new QGroupBox(u"Autmatic Recurrence"_s);
    auto* recurrenceLayout = new QVBoxLayout(recurrenceGroup);
    const std::array<QString, 5> labels{u"No"_s, u"Next day"_s, u"Next week"_s, u"Next month"_s,
                                        u"Next year"_s};
    for (size_t i = 0; i < labels.size(); ++i) {
        m_recurrence[i] = new QRadioButton(labels[i]);
        recurrenceLayout->addWidget(m_recurrence[i]);
    }

    auto* lower = new QHBoxLayout;
    lower->addWidget(reminderGroup);
    lower->addWidget(recurrenceGroup, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textGroup);
    layout->addWidget(dateGroup);
    layout->addLayout(lower);
    layout->addWidget(buttons);

    const QDateTime suggested = clock.now().addSecs(DefaultLeadSeconds);
    m_date->setDate(suggested.date());
    m_time->setTime(
        QTime(suggested.time().hour(), suggested.time().minute(), suggested.time().second()));
    m_beep->setChecked(SettingsStore().readNumber(SettingsStore::BeepFlag).value_or(0) != 0);
    m_anyTime->setChecked(true);
    m_recurrence[0]->setChecked(true);

    connect(m_text, &QPlainTextEdit::textChanged, this, &MemoPropertyDialog::postRefreshOkButton);
    connect(m_date, &QDateEdit::dateChanged, this, &MemoPropertyDialog::postRefreshOkButton);
    connect(m_anyTime, &QRadioButton::clicked, this, &MemoPropertyDialog::postRefreshOkButton);
    connect(m_timed, &QRadioButton::clicked, this, &MemoPropertyDialog::postRefreshOkButton);
    connect(m_time, &QTimeEdit::timeChanged, this, &MemoPropertyDialog::timePicked);
    connect(buttons, &QDialogButtonBox::accepted, this, &MemoPropertyDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &MemoPropertyDialog::reject);
    connect(this, &QDialog::finished, this, &MemoPropertyDialog::stopRecheck);
    connect(&m_recheck, &QTimer::timeout, this, &MemoPropertyDialog::refreshOkButton);

    m_text->setFocus();
    refreshOkButton();
    postRefreshOkButton();
    m_recheck.start(RecheckMilliseconds);
}

MemoPropertyDialog::~MemoPropertyDialog() = default;

void MemoPropertyDialog::loadFrom(const MemoRecord& memo)
{
    const QSignalBlocker timeBlocker(m_time);
    if (QDate::isValid(memo.dueYear, memo.dueMonth, memo.dueDay))
        m_date->setDate(QDate(memo.dueYear, memo.dueMonth, memo.dueDay));
    if (QTime::isValid(memo.dueHour, memo.dueMinute, memo.dueSecond))
        m_time->setTime(QTime(memo.dueHour, memo.dueMinute, memo.dueSecond));
    m_beep->setChecked(memo.beep != 0);
    m_text->setPlainText(QString::fromLocal8Bit(memo.text));
    setAnyTime(memo.anyTime != 0);
    const bool known = memo.recurrence >= 0 && memo.recurrence < int(m_recurrence.size());
    setRecurrence(known ? memo.recurrence : 0);
    postRefreshOkButton();
}

void MemoPropertyDialog::storeInto(MemoRecord& memo) const
{
    const QDate day = date();
    const QTime at = time();
    memo.dueYear = day.year();
    memo.dueMonth = day.month();
    memo.dueDay = day.day();
    memo.dueHour = at.hour();
    memo.dueMinute = at.minute();
    memo.dueSecond = at.second();
    memo.beep = beep() ? 1 : 0;
    memo.anyTime = anyTime() ? 1 : 0;
    memo.text = text().trimmed().toLocal8Bit();
    memo.recurrence = recurrence();
}

QString MemoPropertyDialog::text() const
{
    return m_text->text();
}

void MemoPropertyDialog::setText(const QString& text)
{
    m_text->setPlainText(text);
}

QDate MemoPropertyDialog::date() const
{
    return m_date->date();
}

void MemoPropertyDialog::setDate(const QDate& date)
{
    m_date->setDate(date);
}

QTime MemoPropertyDialog::time() const
{
    return m_time->time();
}

void MemoPropertyDialog::setTime(const QTime& time)
{
    m_time->setTime(time);
}

bool MemoPropertyDialog::anyTime() const
{
    return !m_timed->isChecked();
}

void MemoPropertyDialog::setAnyTime(bool anyTime)
{
    (anyTime ? m_anyTime : m_timed)->setChecked(true);
    postRefreshOkButton();
}

bool MemoPropertyDialog::beep() const
{
    return m_beep->isChecked();
}

void MemoPropertyDialog::setBeep(bool beep)
{
    m_beep->setChecked(beep);
}

int MemoPropertyDialog::recurrence() const
{
    for (size_t i = 0; i < m_recurrence.size(); ++i) {
        if (m_recurrence[i]->isChecked())
            return int(i);
    }
    return 0;
}

void MemoPropertyDialog::setRecurrence(int recurrence)
{
    if (recurrence >= 0 && recurrence < int(m_recurrence.size()))
        m_recurrence[size_t(recurrence)]->setChecked(true);
}

bool MemoPropertyDialog::isOkEnabled() const
{
    return m_ok->isEnabled();
}

void MemoPropertyDialog::refreshOkButton()
{
    const bool ok =
        !text().trimmed().isEmpty() && m_schedule.acceptsMoment(date(), time(), !anyTime());
    m_ok->setEnabled(ok);
}

bool MemoPropertyDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the text box neither starts a new line nor closes the dialog.
    if (watched == m_text &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void MemoPropertyDialog::postRefreshOkButton()
{
    QMetaObject::invokeMethod(this, &MemoPropertyDialog::refreshOkButton, Qt::QueuedConnection);
}

void MemoPropertyDialog::timePicked()
{
    m_timed->setChecked(true);
    postRefreshOkButton();
}

void MemoPropertyDialog::onOk()
{
    m_recheck.stop();
    // A moment that passed the rule a second ago may no longer.
    refreshOkButton();
    if (!isOkEnabled()) {
        m_recheck.start();
        return;
    }
    SettingsStore().writeNumber(SettingsStore::BeepFlag, beep() ? 1 : 0);
    accept();
}

void MemoPropertyDialog::stopRecheck()
{
    m_recheck.stop();
}

} // namespace dvk
