#pragma once

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace dvk::test {

inline QString runtimeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

// Starts the real program offscreen and waits until it runs as the one copy (its socket exists).
inline bool startProgram(QProcess& process)
{
    QFile::remove(runtimeFolder() + QStringLiteral("/DVK.socket"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(DVK_BINARY), {});
    if (!process.waitForStarted(10000))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!QFileInfo::exists(runtimeFolder() + QStringLiteral("/DVK.socket"))) {
        if (timer.elapsed() > 15000 || process.state() != QProcess::Running)
            return false;
        QTest::qWait(20);
    }
    // Leave it time to reach its first window.
    QTest::qWait(500);
    return true;
}

} // namespace dvk::test
