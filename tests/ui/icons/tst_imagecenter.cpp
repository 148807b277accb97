#include "DvkTest.h"
#include "ExtractIconDialog.h"
#include "FakePrompts.h"
#include "IconGridModel.h"
#include "IconGridView.h"
#include "IconLibrary.h"
#include "IconTestFiles.h"
#include "ImageCenterDialog.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

namespace files = test::IconFiles;

namespace {

QPushButton* button(QDialog& dialog, const QString& name)
{
    return dialog.findChild<QPushButton*>(name);
}

IconGridView* view(QDialog& dialog)
{
    return dialog.findChild<IconGridView*>(u"list"_s);
}

// The underline the grid shows under the selected icon, or nothing.
QString mark(QDialog& dialog, int row)
{
    return view(dialog)->model()->index(row, 0).data().toString();
}

// Lets the dialog's posted RefreshOkButton calls run.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

QByteArray redIco()
{
    return files::ico({{32, files::bitmap(32, Qt::red)}});
}

QByteArray twoGroupProgram()
{
    return files::program(false,
                          {{{32, files::bitmap(32, Qt::red)}}, {{32, files::png(32, Qt::blue)}}});
}

} // namespace

class ImageCenterTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<IconLibrary> m_library;

    // Writes a file into the test's folder and gives its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        const QString path = m_folder->filePath(name);
        return test::writeFile(path, bytes) ? path : QString();
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_library = std::make_unique<IconLibrary>(m_folder->path());
        m_library->load();
    }

    void opensWithTheChosenIconUnderlined_data()
    {
        addColumns<int, int>({"chosen", "selected"});
        QTest::newRow("first") << 0 << 0;
        QTest::newRow("last") << 59 << 59;
        QTest::newRow("beyond the list") << 60 << -1;
        QTest::newRow("negative") << -5 << -1;
    }
    void opensWithTheChosenIconUnderlined()
    {
        const auto [chosen, selected] = fetch<int, int>({"chosen", "selected"});
        ImageCenterDialog dialog(chosen, *m_library);
        settle();
        QCOMPARE(view(dialog)->selectedRow(), selected);
        const QAbstractItemModel* model = view(dialog)->model();
        QCOMPARE(model->rowCount(), 60);
        for (int row = 0; row < 60; ++row)
            QCOMPARE(mark(dialog, row), row == selected ? u"_____"_s : QString());
        for (const QString& name : {u"ok"_s, u"replace"_s, u"remove"_s})
            QCOMPARE(button(dialog, name)->isEnabled(), selected >= 0);
        QVERIFY(button(dialog, u"add"_s)->isEnabled() && button(dialog, u"reset"_s)->isEnabled());

        view(dialog)->selectRow(7);
        settle();
        QCOMPARE(mark(dialog, 7), u"_____"_s);
        if (selected >= 0)
            QCOMPARE(mark(dialog, selected), QString());
        QVERIFY(button(dialog, u"ok"_s)->isEnabled());
    }

    void removeSelectsTheIconInItsPlace_data()
    {
        addColumns<int, int, int, int>({"selected", "answer", "count", "selectedAfter"});
        QTest::newRow("middle") << 7 << int(Prompts::Answer::Yes) << 59 << 7;
        QTest::newRow("last") << 59 << int(Prompts::Answer::Yes) << 59 << 58;
        QTest::newRow("answered No") << 7 << int(Prompts::Answer::No) << 60 << 7;
    }
    void removeSelectsTheIconInItsPlace()
    {
        const auto [selected, answer, count, selectedAfter] =
            fetch<int, int, int, int>({"selected", "answer", "count", "selectedAfter"});
        test::FakePrompts prompts;
        prompts.answers << Prompts::Answer(answer);
        const QImage next = m_library->largeIcon(selected + 1);
        ImageCenterDialog dialog(selected, *m_library);
        button(dialog, u"remove"_s)->click();
        settle();
        QCOMPARE(prompts.messages, QStringList{u"Remove selected Items?"_s});
        QCOMPARE(prompts.icons.value(0), Prompts::Icon::Question);
        QCOMPARE(m_library->count(), count);
        QCOMPARE(view(dialog)->model()->rowCount(), count);
        QCOMPARE(view(dialog)->selectedRow(), selectedAfter);
        if (count == 59 && selected < 59)
            QCOMPARE(m_library->largeIcon(selected), next);
        QCOMPARE(mark(dialog, selectedAfter), u"_____"_s);
    }

    void removeIsDisabledForTheLastIcon()
    {
        while (m_library->count() > 2)
            QVERIFY(m_library->remove(0));
        test::FakePrompts prompts;
        prompts.answers << Prompts::Answer::Yes;
        ImageCenterDialog dialog(1, *m_library);
        button(dialog, u"remove"_s)->click();
        settle();
        QCOMPARE(m_library->count(), 1);
        QVERIFY(!button(dialog, u"remove"_s)->isEnabled());
        QVERIFY(button(dialog, u"ok"_s)->isEnabled());
    }

    // No keeps the added icon; Yes brings back the built-in ones and selects the first.
    void resetAsksFirst()
    {
        QVERIFY(m_library->addIconFile(writeFile(u"a.ico"_s, redIco())));
        test::FakePrompts prompts;
        prompts.answers << Prompts::Answer::No << Prompts::Answer::Yes;
        ImageCenterDialog dialog(60, *m_library);
        for (const int count : {61, 60}) {
            button(dialog, u"reset"_s)->click();
            settle();
            QCOMPARE(m_library->count(), count);
            QCOMPARE(view(dialog)->selectedRow(), count == 60 ? 0 : 60);
        }
        QCOMPARE(
            prompts.messages,
            QStringList(2, u"This will reset the image list to DVK's default.\n\nContinue?"_s));
    }

    void addSelectsTheNewLastIcon_data()
    {
        addColumns<QString, QByteArray, bool, bool>(
            {"name", "bytes", "throughExtractIcon", "added"});
        QTest::newRow("icon file, extension in capitals")
            << u"STAR.ICO"_s << redIco() << false << true;
        QTest::newRow("program without extension")
            << u"tool"_s << twoGroupProgram() << true << true;
        QTest::newRow("broken icon file") << u"bad.ico"_s << QByteArray("junk") << false << false;
    }
    void addSelectsTheNewLastIcon()
    {
        const auto [name, bytes, throughExtractIcon, added] =
            fetch<QString, QByteArray, bool, bool>(
                {"name", "bytes", "throughExtractIcon", "added"});
        test::FakePrompts prompts;
        prompts.fileNames << writeFile(name, bytes);
        ImageCenterDialog dialog(3, *m_library);
        QStringList asked;
        dialog.setModuleIconChooser([&asked](QWidget*, const QString& path) {
            asked << path;
            return std::optional<int>(1);
        });
        button(dialog, u"add"_s)->click();
        settle();
        QCOMPARE(prompts.filters.size(), 1);
        QCOMPARE(prompts.suffixes, QStringList{u"ico"_s});
        QVERIFY(prompts.filters[0].startsWith(u"Icon Files (*.ico *.png"_s));
        QVERIFY(prompts.filters[0].endsWith(u";;Program Files (*.exe *.dll)"_s));
        QCOMPARE(asked.size(), throughExtractIcon ? 1 : 0);
        QCOMPARE(m_library->count(), added ? 61 : 60);
        QCOMPARE(view(dialog)->selectedRow(), added ? 60 : 3);
        QCOMPARE(prompts.messages.size(), 0);
        if (throughExtractIcon)
            QCOMPARE(m_library->largeIcon(60).pixelColor(4, 4), QColor(Qt::blue));
    }

    void replaceChangesOnlyTheSelectedIcon()
    {
        test::FakePrompts prompts;
        prompts.fileNames << writeFile(u"r.ico"_s, redIco());
        const QImage neighbour = m_library->largeIcon(6);
        ImageCenterDialog dialog(5, *m_library);
        button(dialog, u"replace"_s)->click();
        settle();
        QCOMPARE(m_library->count(), 60);
        QCOMPARE(m_library->largeIcon(5).pixelColor(4, 4), QColor(Qt::red));
        QCOMPARE(m_library->largeIcon(6), neighbour);
        const QImage shown =
            view(dialog)->model()->index(5, 0).data(Qt::DecorationRole).value<QImage>();
        QCOMPARE(shown, m_library->largeIcon(5));
        QCOMPARE(view(dialog)->selectedRow(), 5);
    }

    // Cancel keeps what was done to the library but not the choice.
    void closing_data()
    {
        addColumns<QString, int, int>({"how", "result", "chosen"});
        QTest::newRow("OK") << u"ok"_s << int(QDialog::Accepted) << 9;
        QTest::newRow("double-click") << u"double"_s << int(QDialog::Accepted) << 9;
        QTest::newRow("Cancel") << u"cancel"_s << int(QDialog::Rejected) << 2;
    }
    void closing()
    {
        QFETCH(QString, how);
        test::FakePrompts prompts;
        prompts.fileNames << writeFile(u"a.ico"_s, redIco());
        ImageCenterDialog dialog(2, *m_library);
        dialog.show();
        button(dialog, u"add"_s)->click();
        settle();
        IconGridView* list = view(dialog);
        const QModelIndex target = list->model()->index(9, 0);
        if (how == u"double"_s) {
            const QPoint centre = list->visualRect(target).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        } else {
            list->selectRow(9);
            button(dialog, how)->click();
        }
        settle();
        QTEST(dialog.result(), "result");
        QTEST(dialog.chosenIndex(), "chosen");
        QCOMPARE(m_library->count(), 61);
    }

    void extractIconListsTheProgramsIcons()
    {
        const QString program = writeFile(u"tool.dll"_s, twoGroupProgram());
        ExtractIconDialog dialog(program);
        dialog.show();
        settle();
        QCOMPARE(dialog.iconCount(), 2);
        QPushButton* ok = button(dialog, u"ok"_s);
        QVERIFY(!ok->isEnabled());
        ok->click();
        QVERIFY(dialog.isVisible());
        IconGridView* list = view(dialog);
        const QPoint centre = list->visualRect(list->model()->index(1, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        settle();
        QVERIFY(ok->isEnabled());
        QCOMPARE(list->model()->index(1, 0).data().toString(), u"_____"_s);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        settle();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenIndex(), 1);

        ExtractIconDialog none(writeFile(u"notes.txt"_s, "plain text"));
        settle();
        QCOMPARE(none.iconCount(), 0);
        QVERIFY(!button(none, u"ok"_s)->isEnabled());
    }
};

DVK_TEST(ImageCenterTest);

#include "tst_imagecenter.moc"
