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

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

using dvk::MainWindow;
using dvk::NavigationBar;
using dvk::Prompts;

class MainWindowTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<dvk::DataStore> m_store;
    std::unique_ptr<MainWindow> m_window;

    // Checks that everything sits where the layout rule puts it for the window's current size.
    static void verifyLayout(const MainWindow& window)
    {
        const dvk::MainWindowLayout& m = window.layoutMargins();
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
        m_store = std::make_unique<dvk::DataStore>();
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
        QTest::newRow("keypad Enter on the window")
            << u"window"_s << int(Qt::Key_Enter) << false << false;
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
        dvk::DataStore store;
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

    void backupAndRestoreMessages_data()
    {
        // file: relative to a temporary folder; empty = cancelled
        addColumns<QString, QString, QString, int>({"command", "file", "message", "icon"});
        const int info = int(Prompts::Icon::Information);
        const int none = int(Prompts::Icon::None);
        QTest::newRow("backup cancelled") << u"&Backup..."_s << QString() << QString() << none;
        QTest::newRow("backup done") << u"&Backup..."_s << u"copy.bak"_s << u"Done."_s << info;
        QTest::newRow("backup into a missing folder")
            << u"&Backup..."_s << u"missing/copy.bak"_s << u"Backup failed."_s << none;
        QTest::newRow("restore cancelled") << u"&Restore..."_s << QString() << QString() << none;
        QTest::newRow("restore staged")
            << u"&Restore..."_s << u"old.bak"_s << u"Restored.\nYou need to restart DVK."_s << info;
        QTest::newRow("restore of a text file")
            << u"&Restore..."_s << u"notes.bak"_s << u"Restore failed."_s << none;
    }
    void backupAndRestoreMessages()
    {
        const auto [command, name, message] =
            fetch<QString, QString, QString>({"command", "file", "message"});
        QTemporaryDir folder;
        const QString old = folder.filePath(u"old.bak"_s);
        QVERIFY(dvk::DataFile::saveFile(*m_store, old, false).ok);
        QVERIFY(dvk::test::writeFile(folder.filePath(u"notes.bak"_s), "not a data file"));
        const QString staging = dvk::DataPaths::stagingFilePath();
        QFile::remove(staging);
        const QString file = name.isEmpty() ? QString() : folder.filePath(name);

        dvk::test::FakePrompts prompts;
        prompts.fileNames << file;
        toolsAction(*m_window, command)->trigger();

        QCOMPARE(prompts.filters, QStringList{u"Backup Files (*.bak)"_s});
        QCOMPARE(prompts.suffixes, QStringList{u"bak"_s});
        QCOMPARE(prompts.messages, message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QTEST(int(prompts.icons.first()), "icon");
        if (message == u"Done."_s)
            QVERIFY(QFile::exists(file));
        if (message.startsWith(u"Restored."_s))
            QCOMPARE(dvk::test::readFile(staging), dvk::test::readFile(old));
        QFile::remove(staging);
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
        const QString data = dvk::DataPaths::dataFilePath();
        const QString staging = dvk::DataPaths::stagingFilePath();
        QFile::remove(staging);
        QByteArrayList versions;
        const QDateTime first(QDate(2026, 12, 6), QTime(9, 5));
        for (int i = 0; i < 3; ++i) {
            m_store->notes.add()->text = "version " + QByteArray::number(i);
            QVERIFY(dvk::DataFile::saveFile(*m_store, data, false).ok);
            versions << dvk::test::readFile(data);
            QFile written(data);
            QVERIFY(
                written.open(QIODevice::ReadWrite) &&
                written.setFileTime(first.addSecs(3600 * i), QFileDevice::FileModificationTime));
            written.close();
            QVERIFY(
                !dvk::HistoryKeeper::keepBeforeReplace(data, first.addSecs(3600 * i)).isEmpty());
        }
        dvk::test::FakePrompts prompts;
        QStringList rows;
        bool enabledBefore = true;
        QTimer::singleShot(0, m_window.get(), [&rows, &enabledBefore] {
            auto* dialog = qobject_cast<dvk::HistoryDialog*>(QApplication::activeModalWidget());
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
        QCOMPARE(dvk::test::readFile(staging), versions[1]);
        QFile::remove(staging);
        for (const dvk::HistoryKeeper::Copy& copy : dvk::HistoryKeeper::copies(data))
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
            if (auto* dateFormat = qobject_cast<dvk::DateFormatDialog*>(modal); dateFormat && ok)
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
        dvk::DataFileErrorDialog dialog;
        QVERIFY(dialog.continueButton()->isDefault());
        dialog.continueButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        dialog.exitButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

DVK_TEST(MainWindowTest);
#include "tst_mainwindow.moc"
