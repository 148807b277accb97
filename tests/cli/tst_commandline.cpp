#include "CommandLine.h"
#include "DvkTest.h"

#include <QDir>

using Mode = CommandLine::Mode;

Q_DECLARE_METATYPE(dvk::CommandLine::Mode)

// What each way of calling dvk asks it to do.
class CommandLineTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void modes_data()
    {
        addColumns<QStringList, Mode, QString, QString, bool>(
            {"arguments", "mode", "format", "file", "hidden"});
        QTest::newRow("alone") << QStringList{} << Mode::Run << u""_s << u""_s << false;
        QTest::newRow("hidden") << QStringList{u"--hidden"_s} << Mode::Run << u""_s << u""_s
                                << true;
        QTest::newRow("help") << QStringList{u"--help"_s} << Mode::Help << u""_s << u""_s << false;
        QTest::newRow("-h") << QStringList{u"-h"_s} << Mode::Help << u""_s << u""_s << false;
        QTest::newRow("version") << QStringList{u"--version"_s} << Mode::Version << u""_s << u""_s
                                 << false;
        QTest::newRow("export") << QStringList{u"--export"_s, u"json"_s, u"out.json"_s}
                                << Mode::Export << u"json"_s << u"out.json"_s << false;
        QTest::newRow("export file first") << QStringList{u"out.md"_s, u"--export"_s, u"MD"_s}
                                           << Mode::Export << u"md"_s << u"out.md"_s << false;
        QTest::newRow("export with =") << QStringList{u"--export=ics"_s, u"a.ics"_s} << Mode::Export
                                       << u"ics"_s << u"a.ics"_s << false;
        QTest::newRow("import") << QStringList{u"--import"_s, u"csv"_s, u"in.csv"_s} << Mode::Import
                                << u"csv"_s << u"in.csv"_s << false;
    }
    void modes()
    {
        QFETCH(QStringList, arguments);
        const CommandLine line = CommandLine::parse(QStringList{u"/usr/bin/dvk"_s} + arguments);
        QTEST(line.mode, "mode");
        QCOMPARE(line.error, QString());
        QTEST(line.format, "format");
        QTEST(line.file, "file");
        QTEST(line.hidden, "hidden");
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("import md") << QStringList{u"--import"_s, u"md"_s, u"in.md"_s};
        QTest::newRow("unknown format") << QStringList{u"--export"_s, u"xml"_s, u"x"_s};
        QTest::newRow("no file") << QStringList{u"--export"_s, u"json"_s};
        QTest::newRow("two files") << QStringList{u"--export"_s, u"json"_s, u"a"_s, u"b"_s};
        QTest::newRow("both")
            << QStringList{u"--export"_s, u"json"_s, u"--import"_s, u"csv"_s, u"a"_s};
        QTest::newRow("stray argument") << QStringList{u"notes.txt"_s};
        QTest::newRow("unknown option") << QStringList{u"--frobnicate"_s};
        QTest::newRow("empty data folder") << QStringList{u"--data-folder"_s, u""_s};
    }
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        const CommandLine line = CommandLine::parse(QStringList{u"/usr/bin/dvk"_s} + arguments);
        QCOMPARE(line.mode, Mode::UsageError);
        QVERIFY(!line.error.isEmpty());
    }

    void dataFolderIsMadeAbsolute()
    {
        const CommandLine line = CommandLine::parse(
            {u"dvk"_s, u"--data-folder"_s, u"sync/dvk/"_s, u"--export"_s, u"csv"_s, u"a.csv"_s});
        QCOMPARE(line.mode, Mode::Export);
        QCOMPARE(line.dataFolder, QDir::current().absoluteFilePath(u"sync/dvk"_s));
    }

    void texts()
    {
        QCOMPARE(CommandLine::versionText(), QStringLiteral("DVK 2.9"));
        const QString usage = CommandLine::usage();
        QVERIFY(usage.startsWith(QStringLiteral("Usage: dvk [options] [FILE]")));
        for (const char* option : {"--export <FORMAT>", "--import <FORMAT>", "--data-folder <PATH>",
                                   "--hidden", "--help", "--version"})
            QVERIFY2(usage.contains(QLatin1String(option)), option);
    }
};

DVK_TEST(CommandLineTest);
#include "tst_commandline.moc"
