#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace dvk::test {

// Starts the real program offscreen with `env` added to the test's environment, and waits
// until it runs as the one copy (its socket exists). Unless `env` names one, the program gets
// no desktop bus, so it never reaches the developer's desktop.
inline bool startDvk(QProcess& process, const QProcessEnvironment& env = {})
{
    const QString socket = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                           QStringLiteral("/DVK.socket");
    QFile::remove(socket);
    QProcessEnvironment all = QProcessEnvironment::systemEnvironment();
    all.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    all.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
               QStringLiteral("unix:path=/nonexistent"));
    all.insert(env);
    process.setProcessEnvironment(all);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(DVK_BINARY), {});
    if (!process.waitForStarted(10000))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!QFileInfo::exists(socket)) {
        if (timer.elapsed() > 15000 || process.state() != QProcess::Running)
            return false;
        QTest::qWait(20);
    }
    return true;
}

} // namespace dvk::test
