#include "DvkTest.h"
#include "FakeClock.h"
#include "NoteDialog.h"
#include "NoteEditor.h"
#include "Records.h"

#include <QPushButton>

class TestNoteDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void okRule_data()
    {
        addColumns<QString, bool>({"text", "ok"});
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("blanks and line breaks") << u"  \n\t \r\n  \n"_s << false;
        QTest::newRow("one character after blank lines") << u"\n\n  x"_s << true;
    }
    void okRule()
    {
        const auto [text, ok] = fetch<QString, bool>({"text", "ok"});
        dvk::NoteDialog dialog;
        QVERIFY(!dialog.isOkEnabled());
        dialog.editor()->insertPlainText(text);
        // The check runs after the change, not during it.
        QTRY_COMPARE(dialog.isOkEnabled(), ok);
    }

    void storesTrimmedTextAndDate()
    {
        const dvk::test::FakeClock clock;
        dvk::NoteDialog dialog(clock);
        QCOMPARE(dialog.date(), clock.today());
        dvk::NoteRecord note(clock);
        note.month = 13; // a damaged date keeps the picker's date
        note.text = "x";
        dialog.loadFrom(note);
        QCOMPARE(dialog.date(), clock.today());
        std::tie(note.year, note.month, note.day, note.imageIndex) = std::tuple(2001, 2, 3, 7);
        note.text = "old";
        dialog.loadFrom(note);
        QCOMPARE(dialog.date(), QDate(2001, 2, 3));
        QCOMPARE(dialog.editor()->toPlainText(), u"old"_s);
        dialog.editor()->selectAll();
        dialog.editor()->insertPlainText(u"\n\n  Grüße\u00A0!\n  second\u2028line \t\n"_s);
        dialog.setDate(QDate(2010, 12, 31));
        dialog.storeInto(note);
        QCOMPARE(note.text, u"Grüße\u00A0!\n  second\u2028line"_s.toLocal8Bit());
        QCOMPARE(QDate(note.year, note.month, note.day), QDate(2010, 12, 31));
        QCOMPARE(note.imageIndex, 7);
    }

    void maximiseGrowsEditorAndKeepsButtonsInCorner()
    {
        dvk::NoteDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QSize editorBefore = dialog.editor()->size();
        const int rightMargin = dialog.width() - dialog.cancelButton()->geometry().right();
        const int bottomMargin = dialog.height() - dialog.cancelButton()->geometry().bottom();
        dialog.resize(dialog.width() + 300, dialog.height() + 200);
        QTRY_COMPARE(dialog.editor()->width(), editorBefore.width() + 300);
        QCOMPARE(dialog.editor()->height(), editorBefore.height() + 200);
        QCOMPARE(dialog.width() - dialog.cancelButton()->geometry().right(), rightMargin);
        QCOMPARE(dialog.height() - dialog.cancelButton()->geometry().bottom(), bottomMargin);
        QVERIFY(dialog.okButton()->geometry().right() < dialog.cancelButton()->geometry().left());
        QCOMPARE(dialog.okButton()->geometry().top(), dialog.cancelButton()->geometry().top());
        QVERIFY(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    }
};

DVK_TEST(TestNoteDialog);
#include "tst_notedialog.moc"
