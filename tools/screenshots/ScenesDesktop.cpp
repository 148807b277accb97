// Pictures of DVK on the desktop: "DVK Reminders" with and without a tray, and the tray's menu.
#include "ProgramIcons.h"
#include "RemindersDialog.h"
#include "SceneRegistry.h"
#include "TrayIcon.h"

#include <QApplication>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<QWidget> remindersDialog(bool tray)
{
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(dvk::ProgramIcons::application());
    dvk::ReminderSettings settings;
    settings.keepRunning = true;
    return std::make_unique<dvk::RemindersDialog>(settings, false, tray);
}

DVK_SCENE({u"reminders"_s, [] { return remindersDialog(true); }, nullptr});
DVK_SCENE({u"reminders-no-tray"_s, [] { return remindersDialog(false); }, nullptr});
DVK_SCENE({u"tray-menu"_s, [] { return std::unique_ptr<QWidget>(dvk::TrayIcon::makeMenu()); },
           nullptr});

} // namespace
