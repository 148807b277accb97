#include "DesktopIntegration.h"

#include "AutostartEntry.h"
#include "MainWindow.h"
#include "MemoPanel.h"
#include "NavigationBar.h"
#include "NotificationService.h"
#include "ProgramIcons.h"
#include "Prompts.h"
#include "ReminderNotifier.h"
#include "RemindersDialog.h"
#include "SettingsStore.h"
#include "TrayIcon.h"

#include <QCoreApplication>
#include <QSystemTrayIcon>

using namespace Qt::StringLiterals;

namespace dvk {

DesktopIntegration::DesktopIntegration(MainWindow& window, const Clock& clock, Hooks hooks,
                                       const QDBusConnection& bus)
    : m_window(window)
    , m_memo(qobject_cast<MemoPanel*>(window.panel(NavigationBar::Memo)))
    , m_hooks(std::move(hooks))
    , m_settings(ReminderSettings::load(SettingsStore()))
    , m_service(std::make_unique<NotificationService>(bus))
{
    m_service->setImage(ProgramIcons::application().pixmap(64).toImage());
    m_notifier = std::make_unique<ReminderNotifier>(
        *m_service, *this, clock,
        [this](const MemoRecord& memo) { return m_memo ? m_memo->timeText(memo) : QString(); });
    apply(m_settings);

    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_tray = std::make_unique<TrayIcon>(ProgramIcons::application());
        connect(m_tray.get(), &TrayIcon::showRequested, this, [this] { open(nullptr); });
        connect(m_tray.get(), &TrayIcon::quitRequested, this, [this] {
            if (m_hooks.quit)
                m_hooks.quit();
        });
        connect(m_notifier.get(), &ReminderNotifier::alertingCountChanged, m_tray.get(),
                &TrayIcon::setDueCount);
        m_tray->show();
    }

    if (m_memo) {
        ReminderNotifier* notifier = m_notifier.get();
        m_memo->setSilenceFilter(
            [notifier](const MemoRecord& memo) { return notifier->isSnoozed(memo); });
        connect(m_memo, &MemoPanel::alertsChecked, notifier, &ReminderNotifier::alertsChecked);
    }
    m_window.setHideOnClose([this] { return keepsRunning(); });
    connect(&m_window, &MainWindow::remindersRequested, this,
            &DesktopIntegration::runRemindersDialog);
}

DesktopIntegration::~DesktopIntegration()
{
    m_window.setHideOnClose({});
    if (m_memo)
        m_memo->setSilenceFilter({});
}

void DesktopIntegration::apply(const ReminderSettings& settings)
{
    m_settings = settings;
    m_notifier->setNotificationsEnabled(settings.notifications);
    m_notifier->setSnoozeMinutes(settings.snoozeMinutes);
}

bool DesktopIntegration::holds(const MemoRecord* memo) const
{
    return m_memo && m_memo->holds(memo);
}

void DesktopIntegration::open(MemoRecord* memo)
{
    if (m_hooks.showWindow)
        m_hooks.showWindow();
    if (!m_memo)
        return;
    m_window.navigationBar()->selectEntry(NavigationBar::Memo);
    if (memo)
        m_memo->selectMemo(memo);
}

void DesktopIntegration::dismiss(MemoRecord& memo)
{
    if (m_memo)
        m_memo->dismissMemo(&memo);
}

void DesktopIntegration::silence(MemoRecord&)
{
    if (m_memo)
        m_memo->stopBeep();
}

void DesktopIntegration::runRemindersDialog()
{
    AutostartEntry autostart;
    RemindersDialog dialog(m_settings, autostart.isEnabled(), hasTray(), &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ReminderSettings chosen = dialog.settings();
    bool saved = chosen.save(SettingsStore());
    if (dialog.startAtLogin() != autostart.isEnabled())
        saved = (dialog.startAtLogin() ? autostart.enable(QCoreApplication::applicationFilePath())
                                       : autostart.disable()) &&
                saved;
    apply(chosen);
    if (!saved)
        Prompts::current().message(&m_window, u"DVK could not save these choices."_s,
                                   Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

} // namespace dvk
