#include "DataFile.h"
#include "DataFileErrorDialog.h"
#include "DataPaths.h"
#include "DataStore.h"
#include "DateFormatDialog.h"
#include "DvkTest.h"
#include "FakePrompts.h"
#include "HistoryDialog.h"
#include "HistoryKeeper.h"
#include "MainWindow.h"
#include "NavigationBar.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

class WindowTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DataStore> m_store;
    std::unique_ptr<MainWindow> m_window;

    // Checks that everything sits where the layout rule puts it for the window's current size.
    static void verifyLayout(const MainWindow& window)
    {
        const MainWindowLayout& m = window.layoutMargins();
        const QSize client = window.size();
        const QRect bar = window.navigationBar()->geometry();
        QCOMPARE(bar, QRect(m.barLeft(), m.barTop(), m.barWidth(),
                            client.height() - m.barBottom() - m.barTop()));
        const QRect panel = window.panel(0)->geometry();
        QCOMPARE(panel.left(), bar.left() + bar.width() + m.gap());
        QCOMPARE(panel.top(), bar.top());
        QCOMPARE(panel.left() + panel.width(), client.width() - m.panelRight());
        QCOMPARE(panel.top() + panel.height(), client.height() - m.panelBottom());
        for (int i = 1; i < MainWindow::PanelCount; ++i)
            QCOMPARE(window.panel(i)->geometry(), panel);
        const QRect close = window.closeButton()->geometry();
        QCOMPARE(close.left() + close.width(), client.width() - m.panelRight());
        QCOMPARE(close.top() + close.height(), client.height() - m.buttonsBottom());
        QCOMPARE(window.aboutButton()->geometry(), close.translated(-close.width() - 1, 0));
        QCOMPARE(window.toolsButton()->geometry(), close.translated(-2 * close.width() - 2, 0));
    }

    static QAction* toolsAction(const MainWindow& window, const QString& text)
    {
        const QList<QAction*> actions = window.toolsMenu()->actions();
        for (QAction* action : actions) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    }

private Q_SLOTS:
    void init()
    {
        m_store = std::make_unique<DataStore>();
        m_window = std::make_unique<MainWindow>(
            *m_store, [](int, QWidget* parent) { return new QWidget(parent); });
    }
    void cleanup()
    {
        m_window.reset();
        m_store.reset();
    }

    void layoutFollowsTheWindowState()
    {
        MainWindow& window = *m_window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize normal = window.size();
        QCOMPARE(normal, window.layoutMargins().designedSize());
        QCOMPARE(window.windowTitle(), u"DVK"_s);
        verifyLayout(window);

        window.showMaximized();
        QTRY_VERIFY(window.size() != normal);
        QVERIFY(window.width() > normal.width() && window.height() > normal.height());
        verifyLayout(window);
        window.showNormal();
        QTRY_COMPARE(window.size(), normal);
        verifyLayout(window);

        // No layout while minimised; it catches up on restore.
        const QRect bar = window.navigationBar()->geometry();
        window.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(window.isMinimized());
        window.resize(window.width() + 100, window.height() + 80);
        QCOMPARE(window.navigationBar()->geometry(), bar);
        window.setWindowState(Qt::WindowNoState);
        QTRY_VERIFY(!window.isMinimized());
        QCOMPARE(window.navigationBar()->height(), bar.height() + 80);
        verifyLayout(window);

        // Close has no mnemonic: Alt+C closes nothing.
        QCOMPARE((QStringList{window.toolsButton()->text(), window.aboutButton()->text(),
                              window.closeButton()->text()}),
                 (QStringList{u"&Tools..."_s, u"&About..."_s, u"Close"_s}));
        QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
        QVERIFY(window.isVisible());
    }

    // Only the close box and the Close button close the window, and both accept it; kept
    // running in the tray, both only hide it.
    void closing_data()
    {
        // key: 0 for a click or the close box
        addColumns<QString, int, bool, bool>({"target", "key", "closes", "hides"});
        QTest::newRow("close box, kept running") << u"window"_s << 0 << false << true;
        QTest::newRow("Close button, kept running") << u"close"_s << 0 << false << true;
        QTest::newRow("Esc on the window") << u"window"_s << int(Qt::Key_Escape) << false << false;
        QTest::newRow("Enter on the window")
            << u"window"_s << int(Qt::Key_Return) << false << false;
        QTest::newRow("Enter on Close") << u"close"_s << int(Qt::Key_Return) << false << false;
        QTest::newRow("close box") << u"window"_s << 0 << true << false;
        QTest::newRow("Close button") << u"close"_s << 0 << true << false;
    }
    void closing()
    {
        const auto [target, key, closes, hides] =
            fetch<QString, int, bool, bool>({"target", "key", "closes", "hides"});
        MainWindow& window = *m_window;
        window.setHideOnClose([hides] { return hides; });
        window.open();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy finished(&window, &QDialog::finished);
        if (key == 0 && target == u"close"_s)
            window.closeButton()->click();
        else if (key == 0)
            QVERIFY(window.close());
        else
            QTest::keyClick(target == u"close"_s ? window.closeButton()
                                                 : static_cast<QWidget*>(&window),
                            Qt::Key(key));
        QCoreApplication::processEvents();
        QCOMPARE(window.isVisible(), !closes && !hides);
        QCOMPARE(window.takeHiddenOnClose(), hides);
        QCOMPARE(finished.count(), closes ? 1 : 0);
        if (closes)
            QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
    }

    void showsExactlyTheSelectedPanel_data()
    {
        QTest::addColumn<int>("entry");
        QTest::newRow("Purse") << 1;
        QTest::newRow("Memo") << 2;
        QTest::newRow("Notes") << 3;
    }
    void showsExactlyTheSelectedPanel()
    {
        QFETCH(int, entry);
        DataStore store;
        QList<int> created;
        MainWindow window(store, [&created](int index, QWidget* parent) -> QWidget* {
            created << index;
            return new QWidget(parent);
        });
        QCOMPARE(created, (QList<int>{0, 1, 2, 3}));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.panel(0)->isVisible());
        NavigationBar* bar = window.navigationBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->entryRect(entry).center());
        // The panel changes once the click has been handled.
        QTRY_VERIFY(window.panel(entry)->isVisible());
        for (int i = 0; i < MainWindow::PanelCount; ++i)
            QCOMPARE(window.panel(i)->isVisible(), i == entry);
        window.memoAlert();
        QCOMPARE(window.navigationBar()->isBlinking(), entry != 2);
    }

    void toolsMenuOpensUpwards()
    {
        MainWindow& window = *m_window;
        window.move(window.screen()->availableGeometry().center() - window.rect().center());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList texts;
        const QList<QAction*> actions = window.toolsMenu()->actions();
        for (const QAction* action : actions)
            texts << (action->isSeparator() ? u"-"_s : action->text());
        QCOMPARE(texts, (QStringList{u"Find..."_s, u"&Security..."_s, u"&Date Format..."_s,
                                     u"Reminders..."_s, u"-"_s, u"&Backup..."_s, u"&Restore..."_s,
                                     u"History..."_s, u"Export..."_s, u"Import..."_s}));
        QTest::mouseClick(window.toolsButton(), Qt::LeftButton);
        QTRY_VERIFY(window.toolsMenu()->isVisible());
        const QRect menu = window.toolsMenu()->geometry();
        const QPoint corner = window.toolsButton()->mapToGlobal(QPoint(0, 0));
        QCOMPARE(menu.left(), corner.x());
        QCOMPARE(menu.top() + menu.height(), corner.y());
        window.toolsMenu()->close();
    }

    // The file commands of the Tools menu: what the user picks, what the user is told, and memo
    // panels made again to show imported records.
    void fileCommands_data()
    {
        // file: in a temporary folder holding old.bak (a data file) and notes.bak (a text);
        // empty = cancelled. memos: in the store afterwards, one to begin with.
        addColumns<QString, QString, QByteArray, QString, int, int>(
            {"command", "file", "content", "message", "icon", "memos"});
        const auto row = [](const char* name, const QString& command, const QString& file,
                            const QString& message, Prompts::Icon icon,
                            const QByteArray& content = {}, int memos = 1) {
            QTest::newRow(name) << command << file << content << message << int(icon) << memos;
        };
        const auto info = Prompts::Icon::Information;
        const auto warning = Prompts::Icon::Warning;
        const auto none = Prompts::Icon::None;
        const QString exportAll = u"Export..."_s, import = u"Import..."_s;
        row("export cancelled", exportAll, QString(), QString(), none);
        row("export json", exportAll, u"all.json"_s, u"Done."_s, info);
        row("export markdown", exportAll, u"notes.md"_s, u"Done."_s, info);
        row("export, unknown suffix", exportAll, u"all.txt"_s,
            u"DVK exports .json, .csv (Purse), .ics (Memo) and .md (Notes and Archives) files."_s,
            warning);
        // A message ending in a blank is the beginning of the message shown.
        row("export into a missing folder", exportAll, u"missing/all.csv"_s, u"Cannot write "_s,
            warning);
        row("import cancelled", import, QString(), QString(), none);
        row("import ics, simplified", import, u"cal.ics"_s,
            u"Done.\n1 repetition DVK cannot follow was imported as no repetition."_s, info,
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nSUMMARY:a\r\n"
            "DTSTART;VALUE=DATE:20240105\r\nRRULE:FREQ=WEEKLY;INTERVAL=2\r\n"
            "END:VEVENT\r\nEND:VCALENDAR\r\n",
            2);
        row("import bad csv", import, u"purse.csv"_s,
            u"Line 2 of the CSV file: \"1\" is not a date YYYY-MM-DD."_s, warning,
            "Category,Date,Note,Amount\nA,1,,1\n");
        row("import markdown", import, u"notes.md"_s,
            u"DVK imports .json, .csv (Purse) and .ics (Memo) files."_s, warning, "# Notes\n");
        row("backup cancelled", u"&Backup..."_s, QString(), QString(), none);
        row("backup done", u"&Backup..."_s, u"copy.bak"_s, u"Done."_s, info);
        row("backup into a missing folder", u"&Backup..."_s, u"missing/copy.bak"_s,
            u"Backup failed."_s, none);
        row("restore cancelled", u"&Restore..."_s, QString(), QString(), none);
        row("restore staged", u"&Restore..."_s, u"old.bak"_s,
            u"Restored.\nYou need to restart DVK."_s, info);
        row("restore of a text file", u"&Restore..."_s, u"notes.bak"_s, u"Restore failed."_s, none);
    }
    void fileCommands()
    {
        const auto [command, file, content, message] =
            fetch<QString, QString, QByteArray, QString>({"command", "file", "content", "message"});
        QTemporaryDir folder;
        const QString path = file.isEmpty() ? QString() : folder.filePath(file);
        if (!content.isEmpty())
            QVERIFY(test::writeFile(path, content));
        DataStore store;
        store.memos.add()->text = "already there";
        store.notes.add()->text = "kept note";
        const QString old = folder.filePath(u"old.bak"_s);
        QVERIFY(DataFile::saveFile(store, old, false).ok);
        QVERIFY(test::writeFile(folder.filePath(u"notes.bak"_s), "not a data file"));
        const QString staging = DataPaths::stagingFilePath();
        QFile::remove(staging);
        const auto removeStaging = qScopeGuard([&staging] { QFile::remove(staging); });
        // Each memo panel shows the count its store had when it was made.
        int panelsMade = 0;
        MainWindow window(store, [&](int index, QWidget* parent) -> QWidget* {
            auto* panel = new QWidget(parent);
            if (index == 2) {
                panel->setProperty("memos", int(store.memos.count()));
                ++panelsMade;
            }
            return panel;
        });
        test::FakePrompts prompts;
        prompts.fileNames << path;
        toolsAction(window, command)->trigger();

        const bool backup = command.startsWith(u'&'); // Backup or Restore
        QCOMPARE(prompts.suffixes, QStringList{backup ? u"bak"_s : u"json"_s});
        const QString exchange =
            u"JSON Files (*.json);;CSV Files (*.csv);;iCalendar Files (*.ics)"_s;
        QCOMPARE(prompts.filters, QStringList{backup ? u"Backup Files (*.bak)"_s
                                              : command == u"Import..."_s
                                                  ? exchange
                                                  : exchange + u";;Markdown Files (*.md)"_s});
        QCOMPARE(prompts.messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QVERIFY2(message.endsWith(u' ') ? prompts.messages.first().startsWith(message)
                                            : prompts.messages.first() == message,
                     qPrintable(prompts.messages.first()));
            QTEST(int(prompts.icons.first()), "icon");
        }
        QTEST(int(store.memos.count()), "memos");
        QCOMPARE(window.panel(2)->property("memos").toInt(), int(store.memos.count()));
        QCOMPARE(panelsMade, store.memos.count() > 1 ? 2 : 1);
        if (message == u"Done."_s)
            QVERIFY(backup ? QFile::exists(path) : test::readFile(path).contains("kept note"));
        QCOMPARE(test::readFile(staging),
                 message.startsWith(u"Restored."_s) ? test::readFile(old) : QByteArray());
    }

    void commandsRunTheirDialogs_data()
    {
        addColumns<QString, QString, bool, int>({"command", "dialog", "ok", "repaints"});
        QTest::newRow("About") << u"about"_s << u"dvk::AboutDialog"_s << true << 0;
        QTest::newRow("Security") << u"&Security..."_s << u"dvk::SecurityDialog"_s << false << 0;
        QTest::newRow("Date Format, OK")
            << u"&Date Format..."_s << u"dvk::DateFormatDialog"_s << true << 1;
        QTest::newRow("Date Format, Cancel")
            << u"&Date Format..."_s << u"dvk::DateFormatDialog"_s << false << 0;
    }

    // "History..." lists the kept copies newest first; "Restore" stages the chosen one and says
    // what "Restore..." says.
    void historyStagesTheChosenCopy()
    {
        const QString data = DataPaths::dataFilePath();
        const QString staging = DataPaths::stagingFilePath();
        QFile::remove(staging);
        QByteArrayList versions;
        const QDateTime first(QDate(2026, 12, 6), QTime(9, 5));
        for (int i = 0; i < 3; ++i) {
            m_store->notes.add()->text = "version " + QByteArray::number(i);
            QVERIFY(DataFile::saveFile(*m_store, data, false).ok);
            versions << test::readFile(data);
            QFile written(data);
            QVERIFY(
                written.open(QIODevice::ReadWrite) &&
                written.setFileTime(first.addSecs(3600 * i), QFileDevice::FileModificationTime));
            written.close();
            QVERIFY(!HistoryKeeper::keepBeforeReplace(data, first.addSecs(3600 * i)).isEmpty());
        }
        test::FakePrompts prompts;
        QStringList rows;
        bool enabledBefore = true;
        QTimer::singleShot(0, m_window.get(), [&rows, &enabledBefore] {
            auto* dialog = qobject_cast<HistoryDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            for (int i = 0; i < dialog->list()->topLevelItemCount(); ++i)
                rows << dialog->list()->topLevelItem(i)->text(1);
            enabledBefore = dialog->restoreButton()->isEnabled();
            dialog->list()->setCurrentItem(dialog->list()->topLevelItem(1));
            dialog->restoreButton()->click();
        });
        toolsAction(*m_window, u"History..."_s)->trigger();
        QVERIFY(!enabledBefore);
        QCOMPARE(rows, (QStringList{u"11:05"_s, u"10:05"_s, u"09:05"_s}));
        QCOMPARE(prompts.messages, QStringList{u"Restored.\nYou need to restart DVK."_s});
        QCOMPARE(test::readFile(staging), versions[1]);
        QFile::remove(staging);
        for (const HistoryKeeper::Copy& copy : HistoryKeeper::copies(data))
            QFile::remove(copy.path);
    }
    void commandsRunTheirDialogs()
    {
        const auto [command, dialog, ok] =
            fetch<QString, QString, bool>({"command", "dialog", "ok"});
        MainWindow& window = *m_window;
        window.show();
        QSignalSpy changed(&window, &MainWindow::dateFormatChanged);
        QString opened;
        // Answers the dialog once it runs modally.
        QTimer::singleShot(0, &window, [&opened, ok] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!modal)
                return;
            opened = QString::fromLatin1(modal->metaObject()->className());
            if (auto* dateFormat = qobject_cast<DateFormatDialog*>(modal); dateFormat && ok)
                dateFormat->okButton()->click();
            else
                modal->done(ok ? QDialog::Accepted : QDialog::Rejected);
        });
        if (command == u"about"_s)
            window.aboutButton()->click();
        else
            toolsAction(window, command)->trigger();
        QCOMPARE(opened, dialog);
        QTEST(int(changed.count()), "repaints");
    }

    // Enter, Esc and the close box are the dialog's own once Continue is the default button.
    void dataFileErrorDialog()
    {
        DataFileErrorDialog dialog;
        QVERIFY(dialog.continueButton()->isDefault());
        dialog.continueButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        dialog.exitButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

private:
    // A bar of the main window's usual width, tall enough for all four entries.
    static std::unique_ptr<NavigationBar> makeBar()
    {
        auto bar = std::make_unique<NavigationBar>();
        bar->resize(95, 300);
        bar->show();
        return bar;
    }
    static QColor pixelInside(NavigationBar& bar, int index)
    {
        // Away from the frame, the icon and the name.
        const QRect entry = bar.entryRect(index);
        return bar.grab().toImage().pixelColor(entry.left() + 4, entry.top() + 4);
    }

private Q_SLOTS:
    void entryRect_data()
    {
        addColumns<int, int, QRect>({"width", "index", "expected"});
        QTest::newRow("95 fourth") << 95 << 3 << QRect(1, 199, 93, 65);
        QTest::newRow("rounds up at half") << 7 << 1 << QRect(1, 6, 5, 4);
        QTest::newRow("rounds down below half") << 60 << 1 << QRect(1, 43, 58, 41);
        QTest::newRow("no inner width") << 2 << 3 << QRect(1, 4, 0, 0);
        QTest::newRow("index before first") << 95 << -1 << QRect();
        QTest::newRow("index after last") << 95 << 4 << QRect();
    }
    void entryRect()
    {
        const auto [width, index] = fetch<int, int>({"width", "index"});
        QTEST(NavigationBar::entryRect(QRect(0, 0, width, 400), index), "expected");
    }

    void hitTest_data()
    {
        addColumns<QPoint, int>({"point", "expected"});
        QTest::newRow("top-left corner is inside") << QPoint(1, 1) << 0;
        QTest::newRow("gap between entries") << QPoint(10, 66) << -1;
        QTest::newRow("last row of notes") << QPoint(47, 263) << 3;
    }
    void hitTest()
    {
        QFETCH(QPoint, point);
        QTEST(NavigationBar::hitTest(QRect(0, 0, 95, 300), point), "expected");
    }

    // A click at `point` (when no keys are given) or the keys, in order.
    void selection_data()
    {
        addColumns<QPoint, QList<int>, int, int>({"point", "keys", "selected", "signals"});
        const QList<int> none;
        QTest::newRow("another entry") << QPoint(47, 100) << none << 1 << 1;
        QTest::newRow("the selected entry") << QPoint(47, 30) << none << 0 << 0;
        QTest::newRow("the gap between entries") << QPoint(47, 66) << none << 0 << 0;
        QTest::newRow("down twice, enter")
            << QPoint() << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << 2 << 1;
        QTest::newRow("arrows alone select nothing")
            << QPoint() << QList<int>{Qt::Key_Down, Qt::Key_Down} << 0 << 0;
        QTest::newRow("up stops at the first")
            << QPoint() << QList<int>{Qt::Key_Up, Qt::Key_Space} << 0 << 0;
        QTest::newRow("end, enter") << QPoint() << QList<int>{Qt::Key_End, Qt::Key_Enter} << 3 << 1;
        QTest::newRow("down stops at the last")
            << QPoint() << QList<int>{Qt::Key_End, Qt::Key_Down, Qt::Key_Space} << 3 << 1;
    }
    void selection()
    {
        const auto [point, keys, selected, signals] =
            fetch<QPoint, QList<int>, int, int>({"point", "keys", "selected", "signals"});
        auto bar = makeBar();
        QSignalSpy spy(bar.get(), &NavigationBar::selectionChanged);
        if (keys.isEmpty())
            QTest::mouseClick(bar.get(), Qt::LeftButton, {}, point);
        for (const int key : keys)
            QTest::keyClick(bar.get(), Qt::Key(key));
        QCOMPARE(bar->selected(), selected);
        QCOMPARE(spy.count(), signals);
        if (signals)
            QCOMPARE(spy.first().first().toInt(), selected);
    }

    void selectedNameIsYellow()
    {
        auto bar = makeBar();
        QTest::mouseClick(bar.get(), Qt::LeftButton, {}, QPoint(47, 100));
        const QImage image = bar->grab().toImage();
        auto hasColour = [&image](const QRect& r, const QColor& colour) {
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (image.pixelColor(x, y) == colour)
                        return true;
            return false;
        };
        QVERIFY(hasColour(bar->entryRect(1), QColor(255, 255, 0)));
        QVERIFY(!hasColour(bar->entryRect(0), QColor(255, 255, 0)));
        QVERIFY(hasColour(bar->entryRect(0), QColor(255, 255, 255)));
    }

    void hoverFrameFollowsTheMouse()
    {
        auto bar = makeBar();
        QTest::mouseMove(bar.get(), QPoint(47, 150));
        QTRY_COMPARE(bar->hot(), 2);
        const QRect memo = bar->entryRect(2);
        QVERIFY(bar->grab().toImage().pixelColor(memo.topLeft()) != QColor(128, 128, 128));
        QTest::mouseMove(bar.get(), QPoint(47, 280));
        QTRY_COMPARE(bar->hot(), -1);
        QTest::mouseMove(bar.get(), QPoint(47, 150));
        QTRY_COMPARE(bar->hot(), 2);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(bar.get(), &leave);
        QCOMPARE(bar->hot(), -1);
        QCOMPARE(bar->grab().toImage().pixelColor(memo.topLeft()), QColor(128, 128, 128));
    }

    void blinkStartsAndStopsWhenMemoIsSelected()
    {
        auto bar = makeBar();
        bar->memoAlert();
        QVERIFY(bar->isBlinking());
        QVERIFY(!bar->isEntryFilled(NavigationBar::Memo));
        QTRY_VERIFY_WITH_TIMEOUT(bar->isEntryFilled(NavigationBar::Memo), 2000);
        QCOMPARE(pixelInside(*bar, NavigationBar::Memo), QColor(0, 0, 128));
        QTRY_VERIFY_WITH_TIMEOUT(!bar->isEntryFilled(NavigationBar::Memo), 2000);
        QCOMPARE(pixelInside(*bar, NavigationBar::Memo), QColor(128, 128, 128));

        // Another alert starts the count again.
        QTRY_VERIFY_WITH_TIMEOUT(bar->isEntryFilled(NavigationBar::Memo), 2000);
        bar->memoAlert();
        QVERIFY(bar->isBlinking());
        QVERIFY(!bar->isEntryFilled(NavigationBar::Memo));
        QTRY_VERIFY_WITH_TIMEOUT(bar->isEntryFilled(NavigationBar::Memo), 2000);
        QTest::mouseClick(bar.get(), Qt::LeftButton, {}, bar->entryRect(2).center());
        QCOMPARE(bar->selected(), int(NavigationBar::Memo));
        QVERIFY(!bar->isEntryFilled(NavigationBar::Memo));
        QCOMPARE(pixelInside(*bar, NavigationBar::Memo), QColor(128, 128, 128));
        QTRY_VERIFY_WITH_TIMEOUT(!bar->isBlinking(), 2000);
        // An alert while Memo is selected does nothing.
        bar->memoAlert();
        QVERIFY(!bar->isBlinking());
        QVERIFY(!bar->isEntryFilled(NavigationBar::Memo));
    }

    void accessibleEntries()
    {
        auto bar = makeBar();
        bar->selectEntry(NavigationBar::Purse);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(bar.get());
        QVERIFY(iface);
        QCOMPARE(iface->childCount(), NavigationBar::EntryCount);
        const QStringList names{u"Archives"_s, u"Purse"_s, u"Memo"_s, u"Notes"_s};
        for (int i = 0; i < NavigationBar::EntryCount; ++i) {
            QAccessibleInterface* entry = iface->child(i);
            QVERIFY(entry);
            QCOMPARE(entry->text(QAccessible::Name), names[i]);
            QCOMPARE(entry->role(), QAccessible::PageTab);
            QCOMPARE(bool(entry->state().selected), i == NavigationBar::Purse);
            QCOMPARE(iface->indexOfChild(entry), i);
        }
        const QPoint notes = bar->mapToGlobal(bar->entryRect(3).center());
        QCOMPARE(iface->childAt(notes.x(), notes.y()), iface->child(3));
        iface->child(3)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(bar->selected(), int(NavigationBar::Notes));
    }
};

DVK_TEST(WindowTest);

#include "tst_window.moc"
