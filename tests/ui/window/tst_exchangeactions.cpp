#include "DataStore.h"
#include "DvkTest.h"
#include "FakePrompts.h"
#include "MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>

using dvk::Prompts;

// The Tools menu's "Export..." and "Import...": what the user picks, what the user is told, and
// panels that show the imported records.
class ExchangeActionsTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exchange_data()
    {
        // file: in a temporary folder; empty = cancelled; memos: in the store afterwards, one to
        // begin with
        addColumns<QString, QString, QByteArray, QString, int, int>(
            {"command", "file", "content", "message", "icon", "memos"});
        const int info = int(Prompts::Icon::Information);
        const int warning = int(Prompts::Icon::Warning);
        const QByteArray weekly = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nSUMMARY:a\r\n"
                                  "DTSTART;VALUE=DATE:20240105\r\nRRULE:FREQ=WEEKLY;INTERVAL=2\r\n"
                                  "END:VEVENT\r\nEND:VCALENDAR\r\n";
        QTest::newRow("export cancelled")
            << u"Export..."_s << u""_s << QByteArray() << u""_s << 0 << 1;
        QTest::newRow("export json")
            << u"Export..."_s << u"all.json"_s << QByteArray() << u"Done."_s << info << 1;
        QTest::newRow("export markdown")
            << u"Export..."_s << u"notes.md"_s << QByteArray() << u"Done."_s << info << 1;
        QTest::newRow("export, unknown suffix")
            << u"Export..."_s << u"all.txt"_s << QByteArray()
            << u"DVK exports .json, .csv (Purse), .ics (Memo) and .md (Notes and Archives) files."_s
            << warning << 1;
        QTest::newRow("export into a missing folder")
            << u"Export..."_s << u"missing/all.csv"_s << QByteArray() << u"Cannot write "_s
            << warning << 1;
        QTest::newRow("import cancelled")
            << u"Import..."_s << u""_s << QByteArray() << u""_s << 0 << 1;
        QTest::newRow("import ics, simplified")
            << u"Import..."_s << u"cal.ics"_s << weekly
            << u"Done.\n1 repetition DVK cannot follow was imported as no repetition."_s << info
            << 2;
        QTest::newRow("import bad csv")
            << u"Import..."_s << u"purse.csv"_s << QByteArray("Category,Date,Note,Amount\nA,1,,1\n")
            << u"Line 2 of the CSV file: \"1\" is not a date YYYY-MM-DD."_s << warning << 1;
        QTest::newRow("import markdown")
            << u"Import..."_s << u"notes.md"_s << QByteArray("# Notes\n")
            << u"DVK imports .json, .csv (Purse) and .ics (Memo) files."_s << warning << 1;
    }

    void exchange()
    {
        const auto [command, file, content, message] =
            fetch<QString, QString, QByteArray, QString>({"command", "file", "content", "message"});
        QTemporaryDir folder;
        const QString path = file.isEmpty() ? QString() : folder.filePath(file);
        if (!content.isEmpty())
            QVERIFY(dvk::test::writeFile(path, content));

        dvk::DataStore store;
        store.memos.add()->text = "already there";
        store.notes.add()->text = "kept note";
        // Each memo panel shows the count its store had when it was made.
        int panelsMade = 0;
        dvk::MainWindow window(store, [&](int index, QWidget* parent) -> QWidget* {
            auto* panel = new QWidget(parent);
            if (index != 2)
                return panel;
            ++panelsMade;
            panel->setProperty("memos", int(store.memos.count()));
            return panel;
        });
        dvk::test::FakePrompts prompts;
        prompts.fileNames << path;
        QAction* action = nullptr;
        for (QAction* a : window.toolsMenu()->actions())
            if (a->text() == command)
                action = a;
        QVERIFY(action);
        action->trigger();

        QCOMPARE(prompts.suffixes, QStringList{u"json"_s});
        QCOMPARE(prompts.filters.first().split(u";;"_s).size(), command == u"Export..."_s ? 4 : 3);
        QCOMPARE(prompts.messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QVERIFY2(prompts.messages.first().startsWith(message), qPrintable(prompts.messages[0]));
            QTEST(int(prompts.icons.first()), "icon");
        }
        QTEST(int(store.memos.count()), "memos");
        QCOMPARE(window.panel(2)->property("memos").toInt(), int(store.memos.count()));
        QCOMPARE(panelsMade, store.memos.count() > 1 ? 2 : 1);
        if (message == u"Done."_s)
            QVERIFY(dvk::test::readFile(path).contains("kept note"));
    }
};

DVK_TEST(ExchangeActionsTest);
#include "tst_exchangeactions.moc"
