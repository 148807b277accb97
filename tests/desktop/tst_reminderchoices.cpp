#include "AutostartEntry.h"
#include "ReminderSettings.h"
#include "RemindersDialog.h"
#include "SettingsStore.h"
#include "TestRegistry.h"
#include "TrayIcon.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

using namespace dvk;
using namespace Qt::StringLiterals;

// The reminder choices: their settings, the login entry, the dialog and the tray's texts.
class TestReminderChoices final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QFile::remove(SettingsStore().filePath()); }

    void settings_data()
    {
        QTest::addColumn<QString>("notifications"); // empty: not stored
        QTest::addColumn<QString>("keepRunning");
        QTest::addColumn<QString>("snooze");
        QTest::addColumn<bool>("notify");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<int>("minutes");
        QTest::newRow("nothing stored") << u""_s << u""_s << u""_s << true << false << 10;
        QTest::newRow("all set") << u"0"_s << u"1"_s << u"25"_s << false << true << 25;
        QTest::newRow("snooze 0") << u""_s << u""_s << u"0"_s << true << false << 1;
        QTest::newRow("snooze too long") << u""_s << u""_s << u"99999"_s << true << false << 1440;
        QTest::newRow("not numbers") << u"yes"_s << u"-1"_s << u"ten"_s << true << false << 10;
    }
    void settings()
    {
        QFETCH(QString, notifications);
        QFETCH(QString, keepRunning);
        QFETCH(QString, snooze);
        const SettingsStore store;
        const QList<std::pair<QString, QString>> stored{{u"Notifications"_s, notifications},
                                                        {u"KeepRunning"_s, keepRunning},
                                                        {u"SnoozeMinutes"_s, snooze}};
        for (const auto& [name, value] : stored)
            if (!value.isEmpty())
                QVERIFY(store.writeText(name, value));
        const ReminderSettings loaded = ReminderSettings::load(store);
        QTEST(loaded.notifications, "notify");
        QTEST(loaded.keepRunning, "keep");
        QTEST(loaded.snoozeMinutes, "minutes");
        QVERIFY(loaded.save(store));
        QCOMPARE(store.readNumber(u"SnoozeMinutes"_s),
                 std::optional<quint32>(loaded.snoozeMinutes));
        QCOMPARE(store.readNumber(u"KeepRunning"_s), std::optional<quint32>(loaded.keepRunning));
    }

    // Exec quotes the program as desktop entries require.
    void execLine_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << u"/usr/bin/dvk"_s << u"\"/usr/bin/dvk\" --hidden"_s;
        QTest::newRow("quote and dollar")
            << u"/o\"p$t/dvk"_s << u"\"/o\\\\\"p\\\\$t/dvk\" --hidden"_s;
        QTest::newRow("backslash") << u"/a\\b/dvk"_s << u"\"/a\\\\\\\\b/dvk\" --hidden"_s;
        QTest::newRow("percent") << u"/100%/dvk"_s << u"\"/100%%/dvk\" --hidden"_s;
    }
    void execLine()
    {
        QFETCH(QString, program);
        QTEST(AutostartEntry::execLine(program), "exec");
    }

    void autostartFile()
    {
        const AutostartEntry entry;
        QCOMPARE(entry.filePath(),
                 QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                     u"/autostart/dvk.desktop"_s);
        QVERIFY(entry.disable());
        QVERIFY(!entry.isEnabled());
        QVERIFY(entry.enable(u"/opt/dvk"_s));
        QVERIFY(entry.isEnabled());
        QFile file(entry.filePath());
        QCOMPARE(file.permissions(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ReadUser | QFileDevice::WriteUser);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains("\nType=Application\n"));
        QVERIFY(text.contains("\nExec=\"/opt/dvk\" --hidden\n"));
        QVERIFY(entry.disable());
        QVERIFY(!QFile::exists(entry.filePath()));
    }

    void dialog_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("minutes");
        QTest::newRow("tray, 25") << true << 25 << 25;
        QTest::newRow("no tray, 0") << false << 0 << 1;
        QTest::newRow("tray, 2000") << true << 2000 << 1440;
    }
    void dialog()
    {
        QFETCH(bool, tray);
        QFETCH(int, typed);
        ReminderSettings start;
        start.keepRunning = true;
        RemindersDialog dialog(start, true, tray);
        QCOMPARE(dialog.windowTitle(), u"DVK Reminders"_s);
        QCOMPARE(dialog.notificationsBox()->text(), u"Show desktop notifications"_s);
        QCOMPARE(dialog.keepRunningBox()->text(),
                 u"Keep DVK running in the tray when its window is closed"_s);
        QCOMPARE(dialog.startAtLoginBox()->text(), u"Start DVK when I log in"_s);
        QCOMPARE(dialog.snoozeBox()->value(), 10);
        QCOMPARE(dialog.noTrayNote() != nullptr, !tray);
        QVERIFY(dialog.keepRunningBox()->isChecked());
        QVERIFY(dialog.startAtLogin());

        // Every control is reached with Tab.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSet<QWidget*> reached;
        for (int i = 0; i < 8; ++i) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (QWidget* control : {static_cast<QWidget*>(dialog.notificationsBox()),
                                 static_cast<QWidget*>(dialog.keepRunningBox()),
                                 static_cast<QWidget*>(dialog.startAtLoginBox()),
                                 static_cast<QWidget*>(dialog.snoozeBox())})
            QVERIFY(reached.contains(control));

        dialog.notificationsBox()->setChecked(false);
        dialog.startAtLoginBox()->setChecked(false);
        dialog.snoozeBox()->setValue(typed);
        const ReminderSettings chosen = dialog.settings();
        QVERIFY(!chosen.notifications);
        QVERIFY(chosen.keepRunning);
        QTEST(chosen.snoozeMinutes, "minutes");
        QVERIFY(!dialog.startAtLogin());
    }

    void trayToolTip_data()
    {
        QTest::addColumn<int>("due");
        QTest::addColumn<QString>("tip");
        QTest::newRow("none") << 0 << u"DVK"_s;
        QTest::newRow("one") << 1 << u"DVK \u2014 1 reminder due"_s;
        QTest::newRow("two") << 2 << u"DVK \u2014 2 reminders due"_s;
    }
    void trayToolTip()
    {
        QFETCH(int, due);
        TrayIcon tray{QIcon()};
        tray.setDueCount(due);
        QTEST(tray.toolTip(), "tip");
        QStringList entries;
        for (const QAction* action : tray.menu()->actions())
            entries << action->text();
        QCOMPARE(entries, (QStringList{u"Show DVK"_s, u"Quit DVK"_s}));
    }
};

DVK_TEST(TestReminderChoices);
#include "tst_reminderchoices.moc"
