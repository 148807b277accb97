#include "AutostartEntry.h"
#include "DvkTest.h"
#include "ReminderSettings.h"
#include "RemindersDialog.h"
#include "SettingsStore.h"
#include "TrayIcon.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QStandardPaths>

// The reminder choices: their settings, the login entry, the dialog and the tray's texts.
class TestReminderChoices final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QFile::remove(SettingsStore().filePath()); }

    // Stored values as "name=value,...", read back as notifications, keep running, minutes.
    void settings_data()
    {
        addColumns<QString, QString>({"stored", "read"});
        QTest::newRow("nothing stored") << u""_s << u"1 0 10"_s;
        QTest::newRow("all set") << u"Notifications=0,KeepRunning=1,SnoozeMinutes=25"_s
                                 << u"0 1 25"_s;
        QTest::newRow("snooze 0") << u"SnoozeMinutes=0"_s << u"1 0 1"_s;
        QTest::newRow("snooze too long") << u"SnoozeMinutes=99999"_s << u"1 0 1440"_s;
        QTest::newRow("not numbers")
            << u"Notifications=no,KeepRunning=-1,SnoozeMinutes=ten"_s << u"1 0 10"_s;
    }
    void settings()
    {
        QFETCH(QString, stored);
        const SettingsStore store;
        for (const QString& value : stored.split(u',', Qt::SkipEmptyParts))
            QVERIFY(store.writeText(value.section(u'=', 0, 0), value.section(u'=', 1)));
        const ReminderSettings loaded = ReminderSettings::load(store);
        const auto text = [](const ReminderSettings& s) {
            return u"%1 %2 %3"_s.arg(int(s.notifications)).arg(int(s.keepRunning))
                .arg(s.snoozeMinutes);
        };
        QTEST(text(loaded), "read");
        QVERIFY(loaded.save(store));
        QTEST(text(ReminderSettings::load(store)), "read");
    }

    // Exec quotes the program as desktop entries require.
    void execLine_data()
    {
        addColumns<QString, QString>({"program", "exec"});
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
        QVERIFY(entry.disable() && !entry.isEnabled());
        QVERIFY(entry.enable(u"/opt/dvk"_s) && entry.isEnabled());
        QFile file(entry.filePath());
        QCOMPARE(file.permissions(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ReadUser | QFileDevice::WriteUser);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("[Desktop Entry]\n") && text.contains("\nType=Application\n"));
        QVERIFY(text.contains("\nExec=\"/opt/dvk\" --hidden\n"));
        QVERIFY(entry.disable() && !QFile::exists(entry.filePath()));
    }

    void dialog_data()
    {
        addColumns<bool, int, int>({"tray", "typed", "minutes"});
        QTest::newRow("tray, 25") << true << 25 << 25;
        QTest::newRow("no tray, 2000") << false << 2000 << 1440;
    }
    void dialog()
    {
        const auto [tray, typed] = fetch<bool, int>({"tray", "typed"});
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
        QVERIFY(dialog.keepRunningBox()->isChecked() && dialog.startAtLogin());

        // Every control is reached with Tab.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSet<QWidget*> reached;
        for (int i = 0; i < 8; ++i) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(reached.contains(dialog.notificationsBox()) &&
                reached.contains(dialog.keepRunningBox()) &&
                reached.contains(dialog.startAtLoginBox()) && reached.contains(dialog.snoozeBox()));

        dialog.notificationsBox()->setChecked(false);
        dialog.startAtLoginBox()->setChecked(false);
        dialog.snoozeBox()->setValue(typed);
        const ReminderSettings chosen = dialog.settings();
        QVERIFY(!chosen.notifications && chosen.keepRunning);
        QTEST(chosen.snoozeMinutes, "minutes");
        QVERIFY(!dialog.startAtLogin());
    }

    void trayToolTip_data()
    {
        addColumns<int, QString>({"due", "tip"});
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
