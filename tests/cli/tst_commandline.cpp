#include "CommandLine.h"
#include "DvkTest.h"

#include <QDir>
#include <QMap>

using Mode = CommandLine::Mode;

// What each way of calling dvk asks it to do.
class CommandLineTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each row: the arguments, then what they ask for as "mode format file", "hidden" added.
    void modes_data()
    {
        addColumns<QStringList, QString>({"arguments", "asked"});
        QTest::newRow("alone") << QStringList{} << u"run  "_s;
        QTest::newRow("hidden") << QStringList{u"--hidden"_s} << u"run   hidden"_s;
        QTest::newRow("help") << QStringList{u"--help"_s} << u"help  "_s;
        QTest::newRow("-h") << QStringList{u"-h"_s} << u"help  "_s;
        QTest::newRow("version") << QStringList{u"--version"_s} << u"version  "_s;
        QTest::newRow("export") << QStringList{u"--export"_s, u"json"_s, u"out.json"_s}
                                << u"export json out.json"_s;
        QTest::newRow("export file first")
            << QStringList{u"out.md"_s, u"--export"_s, u"MD"_s} << u"export md out.md"_s;
        QTest::newRow("export with =")
            << QStringList{u"--export=ics"_s, u"a.ics"_s} << u"export ics a.ics"_s;
        QTest::newRow("import") << QStringList{u"--import"_s, u"csv"_s, u"in.csv"_s}
                                << u"import csv in.csv"_s;
    }
    void modes()
    {
        QFETCH(QStringList, arguments);
        const CommandLine line = CommandLine::parse(QStringList{u"/usr/bin/dvk"_s} + arguments);
        const QMap<Mode, QString> modes{{Mode::Run, u"run"_s},
                                        {Mode::Help, u"help"_s},
                                        {Mode::Version, u"version"_s},
                                        {Mode::Export, u"export"_s},
                                        {Mode::Import, u"import"_s}};
        QCOMPARE(line.error, QString());
        QTEST(u"%1 %2 %3"_s.arg(modes.value(line.mode), line.format, line.file) +
                  (line.hidden ? u" hidden"_s : u""_s),
              "asked");
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("import md") << QStringList{u"--import"_s, u"md"_s, u"in.md"_s};
        QTest::newRow("unknown format") << QStringList{u"--export"_s, u"xml"_s, u"x"_s};
        QTest::newRow("no file") << QStringList{u"--export"_s, u"json"_s};
        QTest::newRow("two files") << QStringList{u"--export"_s, u"json"_s, u"a"_s, u"b"_s};
        QTest::newRow("both") << QStringList{u"--export"_s, u"json"_s, u"--import"_s, u"csv"_s,
                                             u"a"_s};
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
