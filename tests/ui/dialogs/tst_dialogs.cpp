#include "DataFile.h"
#include "DataFileErrorDialog.h"
#include "DataPaths.h"
#include "DataStore.h"
#include "DvkTest.h"
#include "FakePrompts.h"
#include "PasswordDialog.h"
#include "SealedFile.h"
#include "SecurityChoices.h"
#include "SecurityDialog.h"
#include "SettingsStore.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <memory>

using Answer = Prompts::Answer;
Q_DECLARE_METATYPE(QList<Answer>)

namespace {

// Every text the window shows: its title, labels, button captions (without their mnemonic
// marks) and group titles.
QStringList shownTexts(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts << QString(button->text()).remove(u'&');
    for (const QGroupBox* group : window.findChildren<QGroupBox*>())
        texts << group->title();
    return texts;
}

std::unique_ptr<QWidget> makeWindow(const QString& name, DataStore& store)
{
    if (name == u"error"_s)
        return std::make_unique<DataFileErrorDialog>();
    if (name == u"password"_s)
        return std::make_unique<PasswordDialog>(store);
    return std::make_unique<SecurityDialog>(store);
}

} // namespace

class TestDialogs final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The program's own words, typos included, exactly as users have always read them.
    void shown_data()
    {
        addColumns<QString, QStringList>({"window", "texts"});
        QTest::newRow("error") << u"error"_s
                               << QStringList{
                                      u"DVK Data File Error"_s,
                                      u"An error occured while reading the DVK data file."_s,
                                      u"If you have a recent backup:"_s,
                                      u"After the main window of DVK appears, click the [Tools] "
                                      "button and select the \"Restore\" command on the menu."_s,
                                      u"If you don't have a backup or the backup is too old:"_s,
                                      u"After the main window of DVK appears, click the [Close] "
                                      "button, then restart DVK again. DVK will save as much data "
                                      "as possible."_s,
                                      u"If you are not sure what to do and need help:"_s,
                                      u"Click [Exit] and send a message to support@example.com "
                                      "with the subject \"DVK File Error\". Give as much "
                                      "information as possible."_s,
                                      u"Continue"_s,
                                      u"Exit"_s};
        QTest::newRow("password")
            << u"password"_s
            << QStringList{u"Enter DVK Password"_s, u"DVK is protected with password."_s,
                           u"Warning: DVK contains private informations. If you are not the owner, "
                           "please click [Cancle] to quit this program."_s};
        QTest::newRow("security")
            << u"security"_s
            << QStringList{u"DVK Security"_s,
                           u"New Password:"_s,
                           u"Repeat New Password:"_s,
                           u"Enable password protection"_s,
                           u"Encrypt data file"_s,
                           u"With a password, the file is encrypted with it; without one, it is "
                           "only obscured."_s};
    }

    void shown()
    {
        const auto [window, expected] = fetch<QString, QStringList>({"window", "texts"});
        DataStore store;
        const QStringList texts = shownTexts(*makeWindow(window, store));
        for (const QString& text : expected)
            QVERIFY2(texts.contains(text), qPrintable(text + u" not in "_s + texts.join(u" | "_s)));
    }
    void init() { SettingsStore().remove(SettingsStore::EncryptDVKFile); }

    void okRule_data()
    {
        addColumns<bool, QString, QString, bool, bool>(
            {"enable", "newPassword", "repeatPassword", "hasPassword", "ok"});
        QTest::newRow("off, boxes ignored") << false << u"abc"_s << u"x"_s << true << true;
        QTest::newRow("on, nothing typed, no password")
            << true << QString() << QString() << false << false;
        QTest::newRow("five characters") << true << u"abcde"_s << u"abcde"_s << false << false;
        QTest::newRow("six characters") << true << u"abcdef"_s << u"abcdef"_s << false << true;
        QTest::newRow("case differs") << true << u"abcdef"_s << u"abcdeF"_s << false << false;
        QTest::newRow("repeat missing") << true << u"abcdef"_s << QString() << true << false;
        QTest::newRow("new missing") << true << QString() << u"abcdef"_s << true << false;
        QTest::newRow("same with blanks") << true << u" abcdef"_s << u" abcdef"_s << false << true;
        QTest::newRow("blank only in one") << true << u" abcdef"_s << u"abcdef"_s << false << false;
        QTest::newRow("five between spaces")
            << true << u"\t\v abcde\r\n\f"_s << u"\t\v abcde\r\n\f"_s << false << false;
        QTest::newRow("no-break space counts")
            << true << u"\u00a0abcde"_s << u"\u00a0abcde"_s << false << true;
    }
    void okRule()
    {
        const auto [enable, newPassword, repeatPassword, hasPassword] =
            fetch<bool, QString, QString, bool>(
                {"enable", "newPassword", "repeatPassword", "hasPassword"});
        const SecurityChoices choices{enable, newPassword, repeatPassword, false};
        QTEST(choices.acceptable(hasPassword), "ok");

        // The dialog's OK button follows the same rule as its controls change.
        DataStore store;
        if (hasPassword)
            store.setPassword("secret1");
        SecurityDialog dialog(store);
        QCOMPARE(dialog.focusWidget(), dialog.newPasswordEdit());
        QCOMPARE(dialog.newPasswordEdit()->maxLength(), 128);
        QVERIFY(dialog.okButton()->isEnabled());
        dialog.enableBox()->setChecked(enable);
        dialog.newPasswordEdit()->setText(newPassword);
        dialog.repeatPasswordEdit()->setText(repeatPassword);
        QTEST(dialog.okButton()->isEnabled(), "ok");
    }

    void opensWithCurrentState_data()
    {
        addColumns<bool, QString, bool>({"hasPassword", "encryptValue", "encrypt"});
        QTest::newRow("nothing set") << false << QString() << false;
        QTest::newRow("password, encrypt 1") << true << u"1"_s << true;
        QTest::newRow("encrypt 7") << false << u"7"_s << true;
        QTest::newRow("encrypt unreadable") << false << u"yes"_s << false;
    }
    void opensWithCurrentState()
    {
        const auto [hasPassword, encryptValue] =
            fetch<bool, QString>({"hasPassword", "encryptValue"});
        if (!encryptValue.isEmpty())
            QVERIFY(SettingsStore().writeText(SettingsStore::EncryptDVKFile, encryptValue));
        DataStore store;
        if (hasPassword)
            store.setPassword("secret1");
        const SecurityDialog dialog(store);
        QCOMPARE(dialog.enableBox()->isChecked(), hasPassword);
        QTEST(dialog.encryptBox()->isChecked(), "encrypt");
        QVERIFY(dialog.newPasswordEdit()->text().isEmpty());
    }

    // `after` empty: no password afterwards. Cancel keeps the old password and writes nothing.
    void closing_data()
    {
        addColumns<QByteArray, bool, QString, bool, bool, QByteArray>(
            {"before", "enable", "typed", "encrypt", "ok", "after"});
        QTest::newRow("kept") << QByteArray("secret1") << true << QString() << false << true
                              << QByteArray("secret1");
        QTest::newRow("changed") << QByteArray("secret1") << true << u"other1"_s << true << true
                                 << QByteArray("other1");
        QTest::newRow("blank kept")
            << QByteArray() << true << u" abcdef"_s << false << true << QByteArray(" abcdef");
        QTest::newRow("removed") << QByteArray("secret1") << false << u"ignored"_s << false << true
                                 << QByteArray();
        QTest::newRow("encrypt alone")
            << QByteArray() << false << QString() << true << true << QByteArray();
        QTest::newRow("non-ASCII") << QByteArray() << true << u"pässwörd"_s << false << true
                                   << u"pässwörd"_s.toLocal8Bit();
        QTest::newRow("cancel") << QByteArray("secret1") << false << QString() << true << false
                                << QByteArray("secret1");
    }
    void closing()
    {
        const auto [before, enable, typed, encrypt, ok, after] =
            fetch<QByteArray, bool, QString, bool, bool, QByteArray>(
                {"before", "enable", "typed", "encrypt", "ok", "after"});
        DataStore store;
        store.setPassword(before);
        SecurityDialog dialog(store);
        dialog.enableBox()->setChecked(enable);
        dialog.encryptBox()->setChecked(encrypt);
        dialog.newPasswordEdit()->setText(typed);
        dialog.repeatPasswordEdit()->setText(typed);
        QVERIFY(dialog.okButton()->isEnabled());
        ok ? dialog.okButton()->click() : dialog.reject();
        QCOMPARE(dialog.result(), int(ok ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(store.hasPassword(), !after.isEmpty());
        if (!after.isEmpty()) {
            QVERIFY(store.checkPassword(after));
            QVERIFY(!store.checkPassword(after.trimmed() + "x"));
        }
        if (after.startsWith(' '))
            QVERIFY(!store.checkPassword(after.trimmed()));
        QCOMPARE(SettingsStore().readNumber(SettingsStore::EncryptDVKFile),
                 ok ? std::optional<quint32>(encrypt ? 1 : 0) : std::nullopt);
    }
    // An empty text in `typed` stands for Esc.
    void attempts_data()
    {
        addColumns<QStringList, QList<Answer>, int, QStringList, bool>(
            {"typed", "answers", "result", "messages", "sealed"});
        const QString retry =
            u"Incorrect password.\n\nClick [OK] to try again, or [Cancel] to quit DVK."_s;
        const QString quit = u"Incorrect password.\n\nClick [OK] to quit DVK."_s;
        for (const bool sealed : {false, true}) {
            const char* const form = sealed ? "sealed" : "digest";
            QTest::addRow("%s: right", form)
                << QStringList{u"secret1"_s} << QList<Answer>() << 1 << QStringList() << sealed;
            QTest::addRow("%s: wrong, then right", form)
                << QStringList{u"Secret1"_s, u"secret1"_s} << QList<Answer>{Answer::Ok} << 1
                << QStringList{retry} << sealed;
            // How the dialog goes on after a wrong password does not depend on the checker.
            if (sealed)
                continue;
            QTest::addRow("%s: wrong, then cancel", form)
                << QStringList{u"secret"_s} << QList<Answer>{Answer::Cancel} << 0
                << QStringList{retry} << sealed;
            QTest::addRow("%s: wrong twice", form)
                << QStringList{u"secret"_s, u" secret1"_s} << QList<Answer>{Answer::Ok, Answer::Ok}
                << 0 << QStringList{retry, quit} << sealed;
            QTest::addRow("%s: Esc", form)
                << QStringList{QString()} << QList<Answer>() << 0 << QStringList() << sealed;
        }
    }
    void attempts()
    {
        const auto [typed, answers, messages, sealed] =
            fetch<QStringList, QList<Answer>, QStringList, bool>(
                {"typed", "answers", "messages", "sealed"});
        test::FakePrompts prompts;
        prompts.answers = answers;
        DataStore store;
        store.setPassword("secret1");
        const QString path = DataPaths::dataFilePath();
        QVERIFY(!sealed || DataFile::saveFile(store, path, true).ok);
        // A sealed file's password is checked by its first chunk, as start-up does.
        PasswordDialog dialog = sealed ? PasswordDialog([&path](QByteArray& typed) {
            return SealedFile::unlock(path, typed) != nullptr;
        })
                                       : PasswordDialog(store);
        QCOMPARE(dialog.passwordEdit()->maxLength(), 512);
        QCOMPARE(dialog.focusWidget(), dialog.passwordEdit());
        QSignalSpy finished(&dialog, &QDialog::finished);
        for (const QString& text : std::as_const(typed)) {
            QVERIFY(finished.isEmpty());
            if (text.isEmpty()) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
                continue;
            }
            dialog.passwordEdit()->setText(text);
            dialog.okButton()->click();
            if (finished.isEmpty())
                QCOMPARE(dialog.passwordEdit()->selectedText(), text);
        }
        QCOMPARE(finished.size(), 1);
        QTEST(finished.first().first().toInt(), "result");
        QCOMPARE(prompts.messages, messages);
        QCOMPARE(prompts.unscripted, 0);
        if (messages.size() == 2) {
            QCOMPARE(prompts.icons,
                     (QList<Prompts::Icon>{Prompts::Icon::Information, Prompts::Icon::Warning}));
        }
    }
};

DVK_TEST(TestDialogs);

#include "tst_dialogs.moc"
