#pragma once

#include "ReminderSettings.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace dvk {

// "DVK Reminders": desktop notifications on or off, keeping DVK running in the tray, starting
// DVK at login and the minutes of a snooze. It only shows and returns the choices; the caller
// stores them. Without a tray it says that keeping DVK running has no effect.
class RemindersDialog final : public QDialog
{
    Q_OBJECT

public:
    RemindersDialog(const ReminderSettings& settings, bool startAtLogin, bool trayAvailable,
                    QWidget* parent = nullptr);

    ReminderSettings settings() const;
    bool startAtLogin() const;

    QCheckBox* notificationsBox() const { return m_notifications; }
    QCheckBox* keepRunningBox() const { return m_keepRunning; }
    QCheckBox* startAtLoginBox() const { return m_startAtLogin; }
    QSpinBox* snoozeBox() const { return m_snooze; }
    // Null when a tray is available.
    QLabel* noTrayNote() const { return m_noTray; }

private:
    QCheckBox* m_notifications;
    QCheckBox* m_keepRunning;
    QCheckBox* m_startAtLogin;
    QSpinBox* m_snooze;
    QLabel* m_noTray = nullptr;
};

} // namespace dvk
