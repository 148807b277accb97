#include "DataFile.h"
#include "DataPaths.h"
#include "DvkTest.h"
#include "RunningProgram.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>

namespace {

// The real dvk with the test driver loaded: it pastes notes when asked and logs what it saw.
class DrivenProgram
{
public:
    bool start(const QString& platform = u"offscreen"_s, const QString& display = {})
    {
        QProcessEnvironment env;
        env.insert(u"QT_QPA_PLATFORM"_s, platform);
        if (!display.isEmpty())
            env.insert(u"DISPLAY"_s, display);
        env.insert(u"QT_PLUGIN_PATH"_s, QStringLiteral(DVK_DRIVER_PLUGINS));
        env.insert(u"QT_QPA_GENERIC_PLUGINS"_s, u"dvktestdriver"_s);
        env.insert(u"DVK_TEST_DRIVER"_s, m_folder.path());
        return test::startDvk(process, env) && waitForLog(u"window"_s, 15000);
    }
    bool paste(const QByteArray& text)
    {
        return test::writeFile(m_folder.filePath(u"paste"_s), text) &&
               waitForLog(u"pasted "_s + QString::fromUtf8(text), 5000);
    }
    // Whether a line of the log starts with `start` within `ms` milliseconds.
    bool waitForLog(const QString& start, int ms)
    {
        return QTest::qWaitFor(
            [&] {
                const QString log = QString::fromUtf8(test::readFile(m_folder.filePath(u"log"_s)));
                return log.startsWith(start) || log.contains(u'\n' + start);
            },
            ms);
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
        QVERIFY(dvk.start());
        QVERIFY(dvk.paste("typed just now"));
        QTest::qWait(2000);
        dvk.kill(SIGKILL);
        QVERIFY(dvk.process.waitForFinished(5000));
        QCOMPARE(notesInDataFile(), (QByteArrayList{"before", "typed just now"}));
    }

    void changeSurvivesDisplayServer()
    {
        if (QStandardPaths::findExecutable(u"Xvfb"_s).isEmpty())
            QSKIP("Xvfb is not installed");
        test::VirtualDisplay display;
        QVERIFY(!display.name().isEmpty());
        DrivenProgram dvk;
        QVERIFY(dvk.start(u"xcb"_s, display.name()));
        QVERIFY(dvk.paste("typed before the display went"));
        QTest::qWait(2000);
        display.end();
        QVERIFY(dvk.process.waitForFinished(10000));
        QCOMPARE(notesInDataFile(), (QByteArrayList{"before", "typed before the display went"}));
    }

    // A sync tool replaces the file while dvk runs: dvk's next save keeps that version beside
    // its own and says so; closing dvk leaves both.
    void outsideReplacementIsKept()
    {
        DrivenProgram dvk;
        QVERIFY(dvk.start());
        const QString path = DataPaths::dataFilePath();
        saveNotes({"from the other computer"}, path + u".synced"_s);
        QVERIFY(QFile::rename(path + u".synced"_s, path) ||
                (QFile::remove(path) && QFile::rename(path + u".synced"_s, path)));
        QVERIFY(dvk.paste("made here"));
        QVERIFY(dvk.waitForLog(u"message Another program replaced DVK's data file"_s,
                               5000));
        dvk.kill(SIGTERM);
        QVERIFY(dvk.process.waitForFinished(15000));

        QCOMPARE(notesInDataFile(), (QByteArrayList{"before", "made here"}));
        const QStringList copies =
            QDir(DataPaths::userDataFolder()).entryList({u"DVK.DAT.conflict-*"_s});
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
