#include "DvkTest.h"
#include "ProgramShortcut.h"
#include "SetupDialog.h"
#include "SetupTestData.h"

#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <csignal>
#include <sys/resource.h>

Q_DECLARE_METATYPE(dvk::Installer::Result)

namespace dvk::test {

// The installer, its dialog and the places they use.
class TestSetup final : public SetupFixture
{
    Q_OBJECT

private:
    void record(const QString& value) const
    {
        QSettings settings(m_paths.recordFile(), QSettings::IniFormat);
        settings.setValue(Installer::RecordKey, value);
    }
    // DVK's files in the data folder, a user's file in a subfolder of it, and DVK's settings.
    void writeUserFiles(bool withSubfolder) const
    {
        const QString data = InstallPaths::userDataFolder();
        for (const QString& name : {u"DVK.DAT"_s, u"DVK.DAT.bak"_s, u"DVK.LIL"_s, u".hidden"_s,
                                    u"DVK.DAT.history-2026-12-07-15"_s})
            QVERIFY(writeBytes(data + u'/' + name, "x"));
        if (withSubfolder)
            QVERIFY(writeBytes(data + u"/mine/keep.txt"_s, "keep"));
        QVERIFY(writeBytes(InstallPaths::userSettingsFile(), "[Settings]\nBeepFlag=1\n"));
    }

    template <typename T> static T* child(const SetupDialog& dialog, const QString& name)
    {
        T* widget = dialog.findChild<T*>(name);
        if (!widget)
            qFatal("no child %s", qPrintable(name));
        return widget;
    }
    static void click(const SetupDialog& dialog, const QString& name)
    {
        child<QPushButton>(dialog, name)->click();
    }

private Q_SLOTS:
    void init() { QVERIFY(reset()); }

    // Rows whose text is an absolute path also hold for normalizePath, the rule DVK itself writes
    // its data folder by; folderFromText also trims, expands "~/" and makes relative text absolute.
    void folderFromText_data()
    {
        addColumns<QString, QString>({"text", "expected"});
        QTest::newRow("doubled") << u"/home//me///opt"_s << u"/home/me/opt"_s;
        QTest::newRow("trailing") << u"/opt/Quillmark/DVK///"_s << u"/opt/Quillmark/DVK"_s;
        QTest::newRow("backslashes") << u"/opt\\Quillmark\\\\DVK\\"_s << u"/opt/Quillmark/DVK"_s;
        QTest::newRow("leading pair kept") << u"//server//share/"_s << u"//server/share"_s;
        QTest::newRow("root") << u"/"_s << u"/"_s;
        QTest::newRow("root run") << u"////"_s << u"//"_s;
        QTest::newRow("first three kept") << u"///x"_s << u"///x"_s;
        QTest::newRow("tilde inside") << u"/tmp/~/x"_s << u"/tmp/~/x"_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("blank") << u"   "_s << QString();
        QTest::newRow("home") << u"~/apps/DVK/"_s << QDir::homePath() + u"/apps/DVK"_s;
        QTest::newRow("relative") << u"apps//DVK"_s << QDir::currentPath() + u"/apps/DVK"_s;
    }
    void folderFromText()
    {
        const auto [text, expected] = fetch<QString, QString>({"text", "expected"});
        QCOMPARE(InstallPaths::folderFromText(text), expected);
        if (text.isEmpty() || text.startsWith(u'/'))
            QCOMPARE(InstallPaths::normalizePath(text), expected);
    }

    // The per-user places follow the XDG folders rather than fixed paths under the home folder.
    void userPlacesFollowXdg()
    {
        const InstallPaths user(InstallPaths::Scope::User);
        const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
        const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
        QCOMPARE(user.applicationsFolder(), dataHome + u"/applications"_s);
        QCOMPARE(user.mergedMenusFolder(), configHome + u"/menus/applications-merged"_s);
        QCOMPARE(InstallPaths::userDataFolder(), dataHome + u"/Quillmark/DVK"_s);
        QCOMPARE(InstallPaths::userSettingsFile(), configHome + u"/QUILLMARK/DVK.conf"_s);
    }

    void newInstallWritesPayloadAndMenu()
    {
        const QString typed = m_root->path() + u"//Quillmark///DVK//"_s;
        QCOMPARE(m_installer->newInstall(typed), Installer::Result::Done);

        const QString program = folder() + u"/dvk"_s;
        QCOMPARE(readFile(program), m_installer->payload().program);
        QCOMPARE(readFile(folder() + u"/DVK.html"_s), m_installer->payload().help);
        QCOMPARE(readFile(folder() + u"/dvk.png"_s), m_installer->payload().icon);
        QVERIFY(QFileInfo(program).isExecutable());
        QVERIFY(!QFileInfo(folder() + u"/DVK.html"_s).isExecutable());
        QCOMPARE(
            QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
            3);

        QCOMPARE(m_installer->recordedFolder(), folder());

        const ProgramShortcut shortcut(m_paths);
        const QList<QByteArray> entry = readFile(shortcut.desktopEntryFile()).split('\n');
        QCOMPARE(entry.first(), "[Desktop Entry]"_ba);
        const QByteArrayList lines{"Name=DVK"_ba, "Comment=Ridedaz Ozez Urodivo"_ba,
                                   "Exec=\"" + program.toUtf8() + '"',
                                   "Icon=" + folder().toUtf8() + "/dvk.png"};
        for (const QByteArray& line : lines)
            QVERIFY2(entry.contains(line), line.constData());
        const QByteArray menu = readFile(shortcut.menuFile());
        for (const char* part :
             {"<Name>Quillmark</Name>", "<Filename>quillmark-dvk.desktop</Filename>",
              "<Directory>quillmark.directory</Directory>"})
            QVERIFY2(menu.contains(part), part);
        QVERIFY(shortcut.desktopEntryFile().endsWith(u"/quillmark-dvk.desktop"_s));
        QVERIFY(readFile(shortcut.directoryFile()).contains("\nName=Quillmark\n"));
    }

    void execQuoting_data()
    {
        addColumns<QString, QByteArray>({"target", "exec"});
        QTest::newRow("space") << u"/opt/My Apps/dvk"_s << QByteArray("Exec=\"/opt/My Apps/dvk\"");
        QTest::newRow("quote and dollar")
            << u"/opt/a\"$b`/dvk"_s << QByteArray("Exec=\"/opt/a\\\\\"\\\\$b\\\\`/dvk\"");
        QTest::newRow("percent") << u"/opt/100%/dvk"_s << QByteArray("Exec=\"/opt/100%%/dvk\"");
        QTest::newRow("backslash")
            << u"/opt/a\\b/dvk"_s << QByteArray("Exec=\"/opt/a\\\\\\\\b/dvk\"");
        QTest::newRow("newline") << u"/opt/a\nb/dvk"_s << QByteArray("Exec=\"/opt/a\\nb/dvk\"");
    }
    void execQuoting()
    {
        const auto [target, exec] = fetch<QString, QByteArray>({"target", "exec"});
        const QList<QByteArray> lines = ProgramShortcut::desktopEntry(target, u"i"_s).split('\n');
        QVERIFY2(lines.contains(exec), ProgramShortcut::desktopEntry(target, u"i"_s).constData());
    }

    // A write that fails half-way (here: the file size limit) leaves the previous file intact
    // and no temporary file behind.
    void failedWriteKeepsOldFile()
    {
        const QString path = m_root->path() + u"/dvk"_s;
        QVERIFY(writeBytes(path, "old program"));
        const QByteArray big = setupPayload().program;

        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 16 * 1024;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written =
            Installer::writeResourceFile(big, path, true, Installer::ProgramPermissions);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!written);
        QCOMPARE(readFile(path), QByteArray("old program"));
        QCOMPARE(QDir(m_root->path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // Only the "installed" row counts as installed.
    void installedCheck_data()
    {
        QTest::addColumn<QString>("state");
        QTest::newRow("installed") << u"installed"_s;
        QTest::newRow("program deleted by hand") << u"deleted"_s;
        QTest::newRow("program is a folder") << u"folder"_s;
    }
    void installedCheck()
    {
        QFETCH(QString, state);
        QCOMPARE(m_installer->newInstall(folder()), Installer::Result::Done);
        if (state == u"deleted"_s || state == u"folder"_s)
            QVERIFY(QFile::remove(folder() + u"/dvk"_s));
        if (state == u"folder"_s)
            QVERIFY(QDir().mkpath(folder() + u"/dvk"_s));
        QCOMPARE(m_installer->isInstalled(), state == u"installed"_s);
    }

    void reinstallKeepsRecordAndData()
    {
        QCOMPARE(m_installer->newInstall(folder()), Installer::Result::Done);
        writeUserFiles(true);
        QVERIFY(writeBytes(folder() + u"/dvk"_s, "older version"));
        QCOMPARE(m_installer->reinstall(), Installer::Result::Done);
        QCOMPARE(readFile(folder() + u"/dvk"_s), m_installer->payload().program);
        QVERIFY(QFileInfo(folder() + u"/dvk"_s).isExecutable());
        QVERIFY(QFile::exists(InstallPaths::userDataFolder() + u"/DVK.DAT"_s));
        QVERIFY(QFile::exists(InstallPaths::userSettingsFile()));
        QCOMPARE(m_installer->recordedFolder(), folder());
    }

    // Only a live holder of the lock means DVK runs: an empty lock file is left from a crash.
    void remove_data()
    {
        addColumns<bool, bool, bool>({"withSubfolder", "chosenFolder", "staleLock"});
        QTest::newRow("user subfolder") << true << false << false;
        QTest::newRow("only DVK's files") << false << false << false;
        QTest::newRow("chosen data folder") << false << true << false;
        QTest::newRow("lock left by a crash") << false << false << true;
    }
    void remove()
    {
        const auto [withSubfolder, chosenFolder, staleLock] =
            fetch<bool, bool, bool>({"withSubfolder", "chosenFolder", "staleLock"});
        QCOMPARE(m_installer->newInstall(folder()), Installer::Result::Done);
        writeUserFiles(withSubfolder);
        if (staleLock)
            QVERIFY(writeBytes(InstallPaths::userDataFolder() + u"/DVK.lock"_s, ""));
        const ProgramShortcut shortcut(m_paths);
        // In a folder of the user's choosing only DVK's history copies are DVK's.
        const QString synced = m_root->path() + u"/Sync"_s;
        if (chosenFolder) {
            for (const QString& name :
                 {u"DVK.DAT"_s, u"DVK.DAT.history-2026-12-07-15"_s, u"DVK.DAT.conflict-x"_s})
                QVERIFY(writeBytes(synced + u'/' + name, "x"));
            QVERIFY(writeBytes(InstallPaths::userSettingsFile(),
                               "[Settings]\nDataFolder=" + synced.toUtf8() + "\n"));
        }

        QCOMPARE(m_installer->remove(), Installer::Result::Done);
        if (chosenFolder)
            QCOMPARE(QDir(synced).entryList(QDir::Files),
                     (QStringList{u"DVK.DAT"_s, u"DVK.DAT.conflict-x"_s}));

        QVERIFY(!QFileInfo::exists(folder()));
        QVERIFY(QFileInfo::exists(m_root->path() + u"/Quillmark"_s));
        const QString data = InstallPaths::userDataFolder();
        const QStringList left =
            QDir(data).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QCOMPARE(left, withSubfolder ? QStringList{u"mine"_s} : QStringList());
        QCOMPARE(QFileInfo::exists(data), withSubfolder);
        if (withSubfolder)
            QCOMPARE(readFile(data + u"/mine/keep.txt"_s), QByteArray("keep"));
        QVERIFY(QFileInfo(data).dir().exists());
        for (const QString& gone :
             {shortcut.desktopEntryFile(), shortcut.menuFile(), shortcut.directoryFile(),
              InstallPaths::userSettingsFile(), m_paths.recordFile()})
            QVERIFY2(!QFileInfo::exists(gone), qPrintable(gone));
        QVERIFY(!m_installer->isInstalled());
    }

    // A refused re-install or removal touches nothing: not while DVK runs (it holds its lock in
    // the data folder), not while the program file cannot be deleted, and not with a record that
    // went blank after the dialog opened (no path is formed from it, so nothing beside the
    // current folder is written or deleted).
    void refusalTouchesNothing_data()
    {
        addColumns<QString, bool, Installer::Result>({"cause", "removing", "result"});
        QTest::newRow("remove, program busy")
            << u"busy"_s << true << Installer::Result::CannotDelete;
        QTest::newRow("remove, DVK running")
            << u"running"_s << true << Installer::Result::CannotDelete;
        QTest::newRow("re-install, DVK running")
            << u"running"_s << false << Installer::Result::CopyFailed;
        QTest::newRow("re-install, record blanked")
            << u"blank"_s << false << Installer::Result::NotRecorded;
        QTest::newRow("remove, record blanked")
            << u"blank"_s << true << Installer::Result::NotRecorded;
    }
    void refusalTouchesNothing()
    {
        const auto [cause, removing] = fetch<QString, bool>({"cause", "removing"});
        QCOMPARE(m_installer->newInstall(folder()), Installer::Result::Done);
        writeUserFiles(false);
        QVERIFY(QFile::remove(folder() + u"/dvk"_s));
        QVERIFY(
            writeBytes(folder() + (cause == u"busy"_s ? u"/dvk/running"_s : u"/dvk"_s), "older"));
        if (cause == u"blank"_s)
            record(u"  "_s);
        QLockFile running(InstallPaths::userDataFolder() + u"/DVK.lock"_s);
        if (cause == u"running"_s)
            QVERIFY(running.tryLock(0));
        const QString current = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_root->path()));
        const Installer::Result result =
            removing ? m_installer->remove() : m_installer->reinstall();
        QDir::setCurrent(current);

        QTEST(result, "result");
        QCOMPARE(m_installer->recordedFolder(), cause == u"blank"_s ? QString() : folder());
        QVERIFY(!QFileInfo::exists(m_root->path() + u"/dvk"_s));
        if (cause != u"busy"_s)
            QCOMPARE(readFile(folder() + u"/dvk"_s), QByteArray("older"));
        for (const QString& kept :
             {folder() + u"/DVK.html"_s, InstallPaths::userDataFolder() + u"/DVK.DAT"_s,
              InstallPaths::userSettingsFile(), ProgramShortcut(m_paths).desktopEntryFile()})
            QVERIFY2(QFileInfo::exists(kept), qPrintable(kept));
    }

    void initialState_data() { test::addSwitchRows("installed", "not installed", "installed"); }
    void initialState()
    {
        QFETCH(bool, installed);
        if (installed)
            QCOMPARE(m_installer->newInstall(folder()), Installer::Result::Done);
        const SetupDialog dialog(*m_installer, m_prompts);
        QCOMPARE(dialog.windowTitle(), u"DVK Setup"_s);
        QCOMPARE(child<QLineEdit>(dialog, u"folder"_s)->text(),
                 installed ? folder() : QDir::homePath() + u"/.local/opt/Quillmark/DVK"_s);
        QCOMPARE(child<QRadioButton>(dialog, u"newInstall"_s)->isChecked(), !installed);
        QCOMPARE(child<QRadioButton>(dialog, u"reinstall"_s)->isChecked(), installed);
        for (const QString& name : {u"newInstall"_s, u"folder"_s, u"browse"_s})
            QVERIFY2(child<QWidget>(dialog, name)->isEnabled() != installed, qPrintable(name));
        for (const QString& name : {u"reinstall"_s, u"remove"_s})
            QVERIFY2(child<QWidget>(dialog, name)->isEnabled() == installed, qPrintable(name));
        QVERIFY(child<QPushButton>(dialog, u"ok"_s)->isDefault());
    }

    // Each row: how the installation looks when the dialog opens, what changes before "OK", the
    // radio button, the answer to the removal question; then the messages shown and whether the
    // dialog closed with result 1.
    void ok_data()
    {
        addColumns<bool, QString, QString, bool, QStringList, bool>(
            {"installed", "meanwhile", "choice", "answerYes", "messages", "closed"});

        // The installer's messages, typos included, as its users have always read them.
        const QString copyFailed = u"Copy file faild."_s;
        const QString reinstallFailed =
            copyFailed +
            u"\n\nIf a previously installed DVK is running, please close it and try again."_s;
        const QString notRecorded =
            u"The installation folder of DVK is no longer recorded. Nothing was changed."_s;
        const QString confirm = u"Are you sure you want to remove DVK from your computer?"_s;
        QTest::newRow("new install")
            << false << QString() << u"newInstall"_s << false
            << QStringList{u"Setup completed.\n\nYou can find a link to DVK in the "
                           "[Programs.Quillmark] group.\n\nThank you for using our product."_s}
            << true;
        QTest::newRow("new install, folder blocked by a file")
            << false << u"block folder"_s << u"newInstall"_s << false
            << QStringList{u"Can not create folder."_s} << false;
        QTest::newRow("new install, program file unwritable")
            << false << u"block program"_s << u"newInstall"_s << false << QStringList{copyFailed}
            << false;
        QTest::newRow("re-install") << true << QString() << u"reinstall"_s << false
                                    << QStringList{u"Reinstall completed."_s} << true;
        QTest::newRow("re-install over an unwritable program")
            << true << u"block program"_s << u"reinstall"_s << false << QStringList{reinstallFailed}
            << false;
        QTest::newRow("re-install, record blanked") << true << u"blank record"_s << u"reinstall"_s
                                                    << false << QStringList{notRecorded} << true;
        QTest::newRow("remove answered No")
            << true << QString() << u"remove"_s << false << QStringList{confirm} << true;
        QTest::newRow("remove") << true << QString() << u"remove"_s << true
                                << QStringList{confirm, u"DVK has been removed."_s} << true;
        QTest::newRow("remove, program cannot be deleted")
            << true << u"block program"_s << u"remove"_s << true
            << QStringList{confirm, u"Can not delete file. If DVK is running, please close it "
                                    "try again."_s}
            << true;
        QTest::newRow("remove, record blanked") << true << u"blank record"_s << u"remove"_s << true
                                                << QStringList{confirm, notRecorded} << true;
    }
    void ok()
    {
        const auto [installed, meanwhile, choice, answerYes, messages, closed] =
            fetch<bool, QString, QString, bool, QStringList, bool>(
                {"installed", "meanwhile", "choice", "answerYes", "messages", "closed"});

        if (installed)
            QCOMPARE(m_installer->newInstall(folder()), Installer::Result::Done);
        SetupDialog dialog(*m_installer, m_prompts);
        dialog.show();
        child<QLineEdit>(dialog, u"folder"_s)->setText(m_root->path() + u"//Quillmark/DVK/"_s);
        child<QRadioButton>(dialog, choice)->setChecked(true);
        m_prompts.answers << answerYes;

        if (meanwhile == u"block folder"_s) {
            QVERIFY(writeBytes(m_root->path() + u"/Quillmark"_s, "a file"));
        } else if (meanwhile == u"block program"_s) {
            QFile::remove(folder() + u"/dvk"_s);
            QVERIFY(writeBytes(folder() + u"/dvk/in-use"_s, "x"));
        } else if (meanwhile == u"blank record"_s) {
            QSettings(m_paths.recordFile(), QSettings::IniFormat).remove(Installer::RecordKey);
        }
        const QByteArray programBefore = readFile(folder() + u"/dvk"_s);

        click(dialog, u"ok"_s);

        QCOMPARE(m_prompts.messages, messages);
        QCOMPARE(dialog.isVisible(), !closed);
        if (closed)
            QCOMPARE(dialog.result(), SetupDialog::ClosedByOk);
        const bool changed = meanwhile.isEmpty() && (choice != u"remove"_s || answerYes);
        if (!changed && choice != u"newInstall"_s)
            QCOMPARE(readFile(folder() + u"/dvk"_s), programBefore);
        if (changed && choice != u"remove"_s)
            QCOMPARE(readFile(folder() + u"/dvk"_s), m_installer->payload().program);
        if (changed && choice == u"remove"_s)
            QVERIFY(!QFileInfo::exists(folder()));
    }

    // Esc takes the same way out, through reject().
    void cancel()
    {
        SetupDialog dialog(*m_installer, m_prompts);
        dialog.show();
        click(dialog, u"cancel"_s);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), SetupDialog::Cancelled);
        QVERIFY(m_prompts.messages.isEmpty());
        QVERIFY(!QFileInfo::exists(m_paths.defaultFolder()));
    }

    void browse()
    {
        SetupDialog dialog(*m_installer, m_prompts);
        QLineEdit* const box = child<QLineEdit>(dialog, u"folder"_s);
        box->setText(u"/typed"_s);
        m_prompts.folders << u"/chosen/place"_s << QString();
        click(dialog, u"browse"_s);
        QCOMPARE(box->text(), u"/chosen/place"_s);
        click(dialog, u"browse"_s);
        QCOMPARE(box->text(), u"/chosen/place"_s);
        const QString start = QDir::homePath() + u"/.local/opt"_s;
        QCOMPARE(m_prompts.startFolders, (QStringList{start, start}));
    }
};

} // namespace dvk::test

using dvk::test::TestSetup;
DVK_TEST(TestSetup);
#include "tst_Installer.moc"
