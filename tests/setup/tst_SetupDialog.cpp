#include "DvkTest.h"
#include "FakeSetupPrompts.h"
#include "InstallPaths.h"
#include "Installer.h"
#include "SetupDialog.h"
#include "SetupTestData.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>

namespace dvk::test {

class TestSetupDialog final : public QObject
{
    Q_OBJECT

private:
    const InstallPaths m_paths{InstallPaths::Scope::User};
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<Installer> m_installer;
    FakeSetupPrompts m_prompts;

    QString folder() const { return m_root->path() + u"/Quillmark/DVK"_s; }
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
    void init()
    {
        QVERIFY(emptyTestHome());
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        m_installer = std::make_unique<Installer>(setupPayload(), m_paths);
        m_prompts = FakeSetupPrompts();
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

using dvk::test::TestSetupDialog;
DVK_TEST(TestSetupDialog);

#include "tst_SetupDialog.moc"
