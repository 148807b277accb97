#include "RemindersDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace dvk {

RemindersDialog::RemindersDialog(const ReminderSettings& settings, bool startAtLogin,
                                 bool trayAvailable, QWidget* parent)
    : QDialog(parent)
    , m_notifications(new QCheckBox(u"Show desktop notifications"_s, this))
    , m_keepRunning(
          new QCheckBox(u"Keep DVK running in the tray when its window is closed"_s, this))
    , m_startAtLogin(new QCheckBox(u"Start DVK when I log in"_s, this))
    , m_snooze(new QSpinBox(this))
{
    setWindowTitle(u"DVK Reminders"_s);

    m_snooze->setRange(ReminderSettings::MinSnoozeMinutes, ReminderSettings::MaxSnoozeMinutes);
    m_snooze->setValue(settings.snoozeMinutes);
    m_notifications->setChecked(settings.notifications);
    m_keepRunning->setChecked(settings.keepRunning);
    m_startAtLogin->setChecked(startAtLogin);

    auto* const layout = new QVBoxLayout(this);
    layout->addWidget(m_notifications);
    layout->addWidget(m_keepRunning);
    if (!trayAvailable) {
        m_noTray = new QLabel(u"This desktop shows no tray icons, so DVK ends when its window is "
                              "closed."_s,
                              this);
        m_noTray->setWordWrap(true);
        m_noTray->setIndent(20);
        layout->addWidget(m_noTray);
    }
    layout->addWidget(m_startAtLogin);

    auto* const snoozeRow = new QHBoxLayout;
    auto* const before = new QLabel(u"Snooze for"_s, this);
    before->setBuddy(m_snooze);
    snoozeRow->addWidget(before);
    snoozeRow->addWidget(m_snooze);
    snoozeRow->addWidget(new QLabel(u"minutes"_s, this));
    snoozeRow->addStretch();
    layout->addLayout(snoozeRow);
    layout->addStretch();

    auto* const buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setFixedSize(sizeHint());
    m_notifications->setFocus();
}

ReminderSettings RemindersDialog::settings() const
{
    ReminderSettings chosen;
    chosen.notifications = m_notifications->isChecked();
    chosen.keepRunning = m_keepRunning->isChecked();
    chosen.snoozeMinutes = m_snooze->value();
    return chosen;
}

bool RemindersDialog::startAtLogin() const
{
    return m_startAtLogin->isChecked();
}

} // namespace dvk
