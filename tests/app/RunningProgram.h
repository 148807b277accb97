#pragma once

#include "DataFile.h"
#include "DataPaths.h"
#include "SampleStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <csignal>

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

// Sends a started dvk `signalNumber`; whether it then ends normally with exit code 0.
inline bool endDvk(QProcess& process, int signalNumber = SIGTERM)
{
    ::kill(pid_t(process.processId()), signalNumber);
    return process.waitForFinished(15000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The texts of the notes in the data file, or "(unreadable)".
inline QByteArrayList notesInDataFile(const QString& path = DataPaths::dataFilePath())
{
    DataStore store;
    if (!DataFile::loadFile(store, path).ok)
        return {QByteArrayLiteral("(unreadable)")};
    QByteArrayList texts;
    for (const NoteRecord* note : store.notes)
        texts << note->text;
    return texts;
}

// An X display of the test's own (Xvfb on the first free number), for runs that need a real
// window system.
class VirtualDisplay final
{
public:
    VirtualDisplay()
    {
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        while (m_server.waitForReadyRead(10000) && !m_server.canReadLine()) {
        }
        const QByteArray number = m_server.readLine().trimmed();
        if (!number.isEmpty())
            m_name = QLatin1Char(':') + QString::fromLatin1(number);
    }
    ~VirtualDisplay() { end(); }
    // The display server goes away, as when the user's session ends.
    void end()
    {
        m_server.terminate();
        m_server.waitForFinished(3000);
    }

    // Empty when no display could be started.
    QString name() const { return m_name; }
    // Whether a top-level window titled `title` is mapped on the display.
    bool showsWindow(const QString& title) const
    {
        const QByteArray named = '"' + title.toUtf8() + "\": (";
        for (const QByteArray& line :
             xwininfo({QStringLiteral("-root"), QStringLiteral("-tree")}).split('\n')) {
            const QByteArray window = line.trimmed();
            if (window.contains(named) &&
                xwininfo({QStringLiteral("-id"), QString::fromLatin1(window.split(' ').first())})
                    .contains("Map State: IsViewable"))
                return true;
        }
        return false;
    }

private:
    QByteArray xwininfo(const QStringList& arguments) const
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
