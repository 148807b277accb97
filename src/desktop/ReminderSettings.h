#pragma once

#include <QString>

namespace dvk {

class SettingsStore;

// The reminder preferences in the settings store: desktop notifications on or off, whether DVK
// keeps running in the tray when its window is closed, and the minutes of a snooze. A missing
// or unreadable value gives its default; a snooze outside 1 to 1440 minutes is brought inside.
struct ReminderSettings
{
    static const QString Notifications;
    static const QString KeepRunning;
    static const QString SnoozeMinutes;
    static constexpr int MinSnoozeMinutes = 1;
    static constexpr int MaxSnoozeMinutes = 1440;

    bool notifications = true;
    bool keepRunning = false;
    int snoozeMinutes = 10;

    static ReminderSettings load(const SettingsStore& store);
    // False when a value could not be written.
    bool save(const SettingsStore& store) const;
};

} // namespace dvk
