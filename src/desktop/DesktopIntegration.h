#pragma once

#include "ReminderList.h"
#include "ReminderSettings.h"

#include <QDBusConnection>
#include <QObject>
#include <functional>
#include <memory>

namespace dvk {

class Clock;
class MainWindow;
class MemoPanel;
class NotificationService;
class ReminderNotifier;
class TrayIcon;

// DVK on the desktop while its main window runs: reminders become desktop notifications whose
// actions reach the Memo panel, a tray icon counts the due reminders, and with "Keep running"
// the window's Close only hides it. "Reminders..." in the Tools menu opens "DVK Reminders".
class DesktopIntegration final : public QObject, public ReminderList
{
    Q_OBJECT

public:
    struct Hooks
    {
        // Shows, restores and raises the main window.
        std::function<void()> showWindow;
        // Ends the run as "Close" does.
        std::function<void()> quit;
    };

    DesktopIntegration(MainWindow& window, const Clock& clock, Hooks hooks,
                       const QDBusConnection& bus = QDBusConnection::sessionBus());
    ~DesktopIntegration() override;

    // Whether a tray icon is shown.
    bool hasTray() const { return m_tray != nullptr; }
    // Whether the window's Close hides it instead of ending DVK.
    bool keepsRunning() const { return hasTray() && m_settings.keepRunning; }
    const ReminderSettings& settings() const { return m_settings; }
    ReminderNotifier& notifier() const { return *m_notifier; }
    TrayIcon* tray() const { return m_tray.get(); }

    bool holds(const MemoRecord* memo) const override;
    void open(MemoRecord* memo) override;
    void dismiss(MemoRecord& memo) override;
    void silence(MemoRecord& memo) override;

public Q_SLOTS:
    void runRemindersDialog();

private:
    void apply(const ReminderSettings& settings);

    MainWindow& m_window;
    MemoPanel* m_memo;
    Hooks m_hooks;
    ReminderSettings m_settings;
    std::unique_ptr<NotificationService> m_service;
    std::unique_ptr<ReminderNotifier> m_notifier;
    std::unique_ptr<TrayIcon> m_tray;
};

} // namespace dvk
