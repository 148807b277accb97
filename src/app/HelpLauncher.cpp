#include "HelpLauncher.h"

#include "OpenLink.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>
#include <QWidget>

namespace dvk {

// Beside the program when it was installed by dvk-setup or runs from the build folder; under
// share/dvk when it came from the Debian package.
QString HelpLauncher::helpFilePath()
{
    const QString folder = QCoreApplication::applicationDirPath();
    const QString beside = folder + QStringLiteral("/DVK.html");
    const QString shared = folder + QStringLiteral("/../share/dvk/DVK.html");
    return QFileInfo(beside).isFile() || !QFileInfo(shared).isFile()
               ? beside
               : QFileInfo(shared).canonicalFilePath();
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
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        !static_cast<QKeyEvent*>(event)->isAutoRepeat() && qobject_cast<QWidget*>(watched)) {
        openHelp();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace dvk
