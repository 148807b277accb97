#include "ReminderSettings.h"

#include "SettingsStore.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace dvk {

const QString ReminderSettings::Notifications = u"Notifications"_s;
const QString ReminderSettings::KeepRunning = u"KeepRunning"_s;
const QString ReminderSettings::SnoozeMinutes = u"SnoozeMinutes"_s;

ReminderSettings ReminderSettings::load(const SettingsStore& store)
{
    ReminderSettings settings;
    if (const auto value = store.readNumber(Notifications))
        settings.notifications = *value != 0;
    if (const auto value = store.readNumber(KeepRunning))
        settings.keepRunning = *value != 0;
    if (const auto value = store.readNumber(SnoozeMinutes))
        settings.snoozeMinutes =
            int(std::clamp<quint32>(*value, MinSnoozeMinutes, MaxSnoozeMinutes));
    return settings;
}

bool ReminderSettings::save(const SettingsStore& store) const
{
    const bool a = store.writeNumber(Notifications, notifications ? 1 : 0);
    const bool b = store.writeNumber(KeepRunning, keepRunning ? 1 : 0);
    const bool c = store.writeNumber(
        SnoozeMinutes, quint32(std::clamp(snoozeMinutes, MinSnoozeMinutes, MaxSnoozeMinutes)));
    return a && b && c;
}

} // namespace dvk
