#include "DataFileErrorDialog.h"
#include "DataStore.h"
#include "DvkTest.h"
#include "PasswordDialog.h"
#include "SecurityDialog.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <memory>

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

std::unique_ptr<QWidget> makeWindow(const QString& name, dvk::DataStore& store)
{
    if (name == u"error"_s)
        return std::make_unique<dvk::DataFileErrorDialog>();
    if (name == u"password"_s)
        return std::make_unique<dvk::PasswordDialog>(store);
    return std::make_unique<dvk::SecurityDialog>(store);
}

} // namespace

// The program's own words, typos included, exactly as users have always read them.
class TestProgramTexts final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shown_data()
    {
        addColumns<QString, QString>({"window", "text"});

        const auto row = [](const char* window, const QString& text) {
            QTest::addRow("%s: %s", window, qPrintable(text.left(40)))
                << QString::fromLatin1(window) << text;
        };
        row("error", u"DVK Data File Error"_s);
        row("error", u"An error occured while reading the DVK data file."_s);
        row("error", u"If you have a recent backup:"_s);
        row("error", u"After the main window of DVK appears, click the [Tools] button and select "
                     "the \"Restore\" command on the menu."_s);
        row("error", u"If you don't have a backup or the backup is too old:"_s);
        row("error", u"After the main window of DVK appears, click the [Close] button, then "
                     "restart DVK again. DVK will save as much data as possible."_s);
        row("error", u"If you are not sure what to do and need help:"_s);
        row("error", u"Click [Exit] and send a message to support@example.com with the subject "
                     "\"DVK File Error\". Give as much information as possible."_s);
        row("error", u"Continue"_s);
        row("error", u"Exit"_s);
        row("password", u"Enter DVK Password"_s);
        row("password", u"DVK is protected with password."_s);
        row("password", u"Warning: DVK contains private informations. If you are not the owner, "
                        "please click [Cancle] to quit this program."_s);
        row("security", u"DVK Security"_s);
        row("security", u"New Password:"_s);
        row("security", u"Repeat New Password:"_s);
        row("security", u"Enable password protection"_s);
        row("security", u"Encrypt data file"_s);
        row("security", u"With a password, the file is encrypted with it; without one, it is only "
                        "obscured."_s);
    }

    void shown()
    {
        const auto [window, text] = fetch<QString, QString>({"window", "text"});
        dvk::DataStore store;
        const std::unique_ptr<QWidget> shown = makeWindow(window, store);
        const QStringList texts = shownTexts(*shown);
        QVERIFY2(texts.contains(text), qPrintable(texts.join(u" | "_s)));
    }
};

DVK_TEST(TestProgramTexts);
#include "tst_programtexts.moc"
