#pragma once

#include <QCoreApplication>
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
inline bool startDvk(QProcess& process, const QProcessEnvironment& env = {},
                     const QStringList& arguments = {})
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
    process.start(QStringLiteral(DVK_BINARY), arguments);
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

// An X display of the test's own (Xvfb), for runs that need a real window system.
class VirtualDisplay final
{
public:
    VirtualDisplay()
    {
        for (int number = 90 + int(QCoreApplication::applicationPid() % 50); number < 190;
             ++number) {
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
            if (QFileInfo::exists(socket) ||
                QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
                continue;
            m_server.start(QStringLiteral("Xvfb"),
                           {QStringLiteral(":%1").arg(number), QStringLiteral("-nolisten"),
                            QStringLiteral("tcp")});
            if (!m_server.waitForStarted(5000))
                return;
            QElapsedTimer timer;
            timer.start();
            while (!QFileInfo::exists(socket) && timer.elapsed() < 10000 &&
                   m_server.state() == QProcess::Running)
                QTest::qWait(20);
            if (QFileInfo::exists(socket))
                m_name = QStringLiteral(":%1").arg(number);
            return;
        }
    }
    ~VirtualDisplay()
    {
        m_server.terminate();
        if (!m_server.waitForFinished(3000))
            m_server.kill();
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // Empty when no display could be started.
    QString name() const { return m_name; }
    // Whether a top-level window titled `title` is mapped on the display.
    bool showsWindow(const QString& title) const
    {
        const QByteArray tree = xwininfo({QStringLiteral("-root"), QStringLiteral("-tree")});
        const QByteArray named = '"' + title.toUtf8() + "\": (";
        for (const QByteArray& line : tree.split('\n')) {
            const QByteArray window = line.trimmed();
            if (window.contains(named) &&
                xwininfo({QStringLiteral("-id"), QString::fromLatin1(window.split(' ').first())})
                    .contains("Map State: IsViewable"))
                return true;
        }
        return false;
    }

private:
    QByteArray xwininfo(QStringList arguments) const
    {
        QProcess info;
        info.start(QStringLiteral("xwininfo"),
                   QStringList{QStringLiteral("-display"), m_name} + arguments);
        return info.waitForFinished(5000) ? info.readAllStandardOutput() : QByteArray();
    }

    QProcess m_server;
    QString m_name;
};

} // namespace dvk::test
