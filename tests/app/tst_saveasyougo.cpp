#include "DataFile.h"
#include "DataPaths.h"
#include "TestData.h"
#include "TestRegistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using namespace dvk;

namespace {

// The real dvk with the test driver loaded: it pastes notes when asked and logs what it saw.
class DrivenProgram
{
public:
    bool start(const QString& platform, const QString& display = {})
    {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        QFile::remove(runtime + QStringLiteral("/DVK.socket"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        if (!display.isEmpty())
            env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(DVK_DRIVER_PLUGINS));
        env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("dvktestdriver"));
        env.insert(QStringLiteral("DVK_TEST_DRIVER"), m_folder.path());
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(QStringLiteral(DVK_BINARY), {});
        return process.waitForStarted(10000) && waitForLog(QStringLiteral("window"), 15000);
    }
    bool paste(const QByteArray& text)
    {
        return test::writeFile(m_folder.filePath(QStringLiteral("paste")), text) &&
               waitForLog(QStringLiteral("pasted ") + QString::fromUtf8(text), 5000);
    }
    bool waitForLog(const QString& start, int ms)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            if (!logLine(start).isNull())
                return true;
            QTest::qWait(20);
        }
        return false;
    }
    QString logLine(const QString& start) const
    {
        const QStringList lines =
            QString::fromUtf8(test::readFile(m_folder.filePath(QStringLiteral("log"))))
                .split(u'\n');
        for (const QString& line : lines) {
            if (line.startsWith(start))
                return line;
        }
        return {};
    }
    void kill(int signalNumber) { ::kill(pid_t(process.processId()), signalNumber); }

    QProcess process;

private:
    QTemporaryDir m_folder;
};

QByteArrayList notesInDataFile()
{
    DataStore store;
    if (!DataFile::loadFile(store, DataPaths::dataFilePath()).ok)
        return {QByteArrayLiteral("(unreadable)")};
    QByteArrayList texts;
    for (const NoteRecord* note : store.notes)
        texts << note->text;
    return texts;
}

void saveNotes(const QByteArrayList& texts, const QString& path)
{
    DataStore store;
    for (const QByteArray& text : texts)
        store.notes.add()->text = text;
    QVERIFY(DataFile::saveFile(store, path, false).ok);
}

} // namespace

// The real dvk keeps every change when its end comes without warning.
class SaveAsYouGoTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QDir(DataPaths::userDataFolder()).removeRecursively();
        saveNotes({"before"}, DataPaths::dataFilePath());
    }

    void changeSurvivesSigkill()
    {
        DrivenProgram dvk;
        QVERIFY(dvk.start(QStringLiteral("offscreen")));
        QVERIFY(dvk.paste("typed just now"));
        QTest::qWait(2000);
        dvk.kill(SIGKILL);
        QVERIFY(dvk.process.waitForFinished(5000));
        QCOMPARE(notesInDataFile(), (QByteArrayList{"before", "typed just now"}));
    }

    void changeSurvivesDisplayServer()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            QSKIP("Xvfb is not installed");
        int number = 90 + int(QCoreApplication::applicationPid() % 100);
        while (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            ++number;
        const QString display = QStringLiteral(":%1").arg(number);
        QProcess server;
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start(xvfb, {display, QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QVERIFY(server.waitForStarted(5000));
        QElapsedTimer waited;
        waited.start();
        while (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) &&
               waited.elapsed() < 5000)
            QTest::qWait(20);

        DrivenProgram dvk;
        QVERIFY(dvk.start(QStringLiteral("xcb"), display));
        QVERIFY(dvk.paste("typed before the display went"));
        QTest::qWait(2000);
        server.kill();
        QVERIFY(server.waitForFinished(5000));
        QVERIFY(dvk.process.waitForFinished(10000));
        QCOMPARE(notesInDataFile(), (QByteArrayList{"before", "typed before the display went"}));
    }

    // A sync tool replaces the file while dvk runs: dvk's next save keeps that version beside
    // its own and says so; closing dvk leaves both.
    void outsideReplacementIsKept()
    {
        DrivenProgram dvk;
        QVERIFY(dvk.start(QStringLiteral("offscreen")));
        const QString path = DataPaths::dataFilePath();
        saveNotes({"from the other computer"}, path + QStringLiteral(".synced"));
        QVERIFY(QFile::rename(path + QStringLiteral(".synced"), path) ||
                (QFile::remove(path) && QFile::rename(path + QStringLiteral(".synced"), path)));
        QVERIFY(dvk.paste("made here"));
        QVERIFY(dvk.waitForLog(QStringLiteral("message Another program replaced DVK's data file"),
                               5000));
        dvk.kill(SIGTERM);
        QVERIFY(dvk.process.waitForFinished(15000));

        QCOMPARE(notesInDataFile(), (QByteArrayList{"before", "made here"}));
        const QStringList copies =
            QDir(DataPaths::userDataFolder()).entryList({QStringLiteral("DVK.DAT.conflict-*")});
        QCOMPARE(copies.size(), 1);
        DataStore other;
        QVERIFY(DataFile::loadFile(other, DataPaths::userDataFolder() + u'/' + copies[0]).ok);
        QCOMPARE(other.notes.count(), 1);
        QCOMPARE(other.notes[0]->text, QByteArray("from the other computer"));
        QCOMPARE(QFileInfo(DataPaths::userDataFolder() + u'/' + copies[0]).permissions() & 0x077,
                 QFileDevice::Permissions());
    }
};

DVK_TEST(SaveAsYouGoTest);
#include "tst_saveasyougo.moc"
