#include "HelpLauncher.h"

#include "OpenLink.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>
#include <QWidget>

namespace dvk {

QString HelpLauncher::helpFilePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/DVK.html");
}

void HelpLauncher::openHelp()
{
    const QString path = helpFilePath();
    if (QFileInfo(path).isFile())
        OpenUrl(QUrl::fromLocalFile(path));
}

bool HelpLauncher::eventFilter(QObject* watched, QEvent* event)
{
    // Each key press reaches the filter once for the focus widget; reacting only to widgets that
    // are windows' descendants keeps it to one opening.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1
        && !static_cast<QKeyEvent*>(event)->isAutoRepeat() && qobject_cast<QWidget*>(watched)) {
        openHelp();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace dvk
