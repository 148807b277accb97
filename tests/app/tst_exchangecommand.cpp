#include "DvkTest.h"
#include "RunningProgram.h"
#include "SampleStore.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs dvk with no display at all, `input` on its standard input (a pipe, not a terminal).
Run runDvk(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(DVK_BINARY), arguments);
    process.waitForStarted(10000);
    process.write(input);
    process.closeWriteChannel();
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// Saves the sample store, with a password and sealed if asked, and returns the file's bytes.
QByteArray saveSample(const QByteArray& password = {}, bool sealed = false)
{
    DataStore store;
    test::fillSample(store);
    store.setPassword(password);
    DataFile::saveFile(store, DataPaths::dataFilePath(), sealed);
    return test::readFile(DataPaths::dataFilePath());
}

} // namespace

// `dvk --export` and `dvk --import` as a script runs them: no display, silence on success, one
// line on failure, the data file changed only by a good import.
class ExchangeCommandTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QDir(DataPaths::userDataFolder()).removeRecursively(); }

    // Export, import into an empty store, export again: the same document. (Each format's own
    // round trip is checked on the exchange itself.)
    void roundTrip()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(u"first.json"_s);
        const QString second = dir.filePath(u"second.json"_s);
        saveSample();
        const Run exported = runDvk({u"--export"_s, u"json"_s, first});
        QCOMPARE(exported.exitCode, 0);
        QCOMPARE(exported.out + exported.err, QByteArray());
        QCOMPARE(QFile(first).permissions() &
                     ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
                 QFile::Permissions());

        QVERIFY(QFile::remove(DataPaths::dataFilePath()));
        const Run imported = runDvk({u"--import"_s, u"json"_s, first});
        QCOMPARE(imported.exitCode, 0);
        QCOMPARE(imported.out + imported.err, QByteArray());
        QVERIFY(QFileInfo::exists(DataPaths::dataFilePath()));
        QCOMPARE(runDvk({u"--export"_s, u"json"_s, second}).exitCode, 0);
        QCOMPARE(test::readFile(second), test::readFile(first));
    }

    // Failed imports: the importer's message on one line (the messages themselves are checked
    // where they are made), and the data file as it was.
    void failures_data()
    {
        addColumns<QString, QByteArray, int, QByteArray>(
            {"format", "fileBytes", "exitCode", "firstLine"});
        QTest::newRow("missing file") << u"ics"_s << QByteArray() << 1 << "Cannot read "_ba;
        QTest::newRow("md cannot be imported")
            << u"md"_s << QByteArray("# x") << 2
            << QByteArray("Unknown format \"md\"; use json, csv, ics.\n");
    }
    void failures()
    {
        const auto [format, fileBytes] = fetch<QString, QByteArray>({"format", "fileBytes"});
        QTemporaryDir dir;
        const QString file = dir.filePath(u"input"_s);
        if (!fileBytes.isEmpty())
            QVERIFY(test::writeFile(file, fileBytes));
        const QByteArray before = saveSample();
        const Run run = runDvk({u"--import"_s, format, file});
        QTEST(run.exitCode, "exitCode");
        QFETCH(QByteArray, firstLine);
        QVERIFY2(run.err.startsWith(firstLine), run.err.constData());
        if (run.exitCode == 1)
            QCOMPARE(run.err.count('\n'), 1);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), before);
    }

    // The password of a protected or sealed file comes as one line of standard input.
    void password_data()
    {
        addColumns<bool, QByteArray, int, QByteArray>({"sealed", "input", "exitCode", "error"});
        QTest::newRow("protected") << false << QByteArray("open sesame\n") << 0 << QByteArray();
        QTest::newRow("protected, wrong")
            << false << QByteArray("guess\n") << 1 << QByteArray("Wrong password.\n");
        QTest::newRow("sealed") << true << QByteArray("open sesame\r\n") << 0 << QByteArray();
        QTest::newRow("sealed, wrong")
            << true << QByteArray("guess\n") << 1 << QByteArray("Wrong password.\n");
        QTest::newRow("sealed, no input")
            << true << QByteArray() << 1 << QByteArray("No password was given.\n");
    }
    void password()
    {
        const auto [sealed, input] = fetch<bool, QByteArray>({"sealed", "input"});
        QTemporaryDir dir;
        const QString out = dir.filePath(u"out.csv"_s);
        QCOMPARE(saveSample("open sesame", sealed).startsWith("DVKSEAL1"), sealed);
        const Run run = runDvk({u"--export"_s, u"csv"_s, out}, input);
        QTEST(run.exitCode, "exitCode");
        QTEST(run.err, "error");
        QCOMPARE(test::readFile(out).startsWith("Category,Date,Note,Amount\r\n\"Food, drinks\""),
                 run.exitCode == 0);
    }

    // While DVK runs, export reads the saved file and leaves the running copy alone; import
    // refuses, since the running copy would save over it.
    void whileRunning()
    {
        const QByteArray before = saveSample();
        QProcess running;
        QVERIFY(test::startDvk(running));
        QTemporaryDir dir;
        const QString json = dir.filePath(u"a.json"_s);
        const Run exported = runDvk({u"--export"_s, u"json"_s, json});
        QCOMPARE(exported.exitCode, 0);
        QVERIFY(test::readFile(json).contains("\"Dentist, 3rd floor\""));
        const Run imported = runDvk({u"--import"_s, u"json"_s, json});
        QCOMPARE(imported.exitCode, 1);
        QCOMPARE(imported.err, QByteArray("DVK is running. Close it and try again.\n"));
        QCOMPARE(running.state(), QProcess::Running);
        QCOMPARE(test::readFile(DataPaths::dataFilePath()), before);
        QVERIFY(test::endDvk(running));
    }
};

DVK_TEST(ExchangeCommandTest);
#include "tst_exchangecommand.moc"
