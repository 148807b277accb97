#include "DvkTest.h"
#include "LimitedTextEdit.h"
#include "TextLimits.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

// Typing limits hold for what the user types and pastes, never for what the program shows.
class TextLimitsTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void textBox_data()
    {
        // typed: typed key by key; pasted: then pasted, if not empty
        addColumns<QString, int, int, QString, QString, QString, int>(
            {"shown", "caret", "selected", "typed", "pasted", "text", "caretAfter"});

        // The box holds at most 8 characters.
        QTest::newRow("typing under the limit")
            << u"abcdef"_s << 3 << 0 << u"xy"_s << u""_s << u"abcxydef"_s << 5;
        QTest::newRow("typing at the limit is refused")
            << u"abcdefgh"_s << 3 << 0 << u"x"_s << u""_s << u"abcdefgh"_s << 3;
        QTest::newRow("typing over a selection at the limit")
            << u"abcdefgh"_s << 3 << 2 << u"x"_s << u""_s << u"abcxfgh"_s << 4;
        QTest::newRow("a paste is cut to the room left")
            << u"abcdef"_s << 3 << 0 << u""_s << u"123456"_s << u"abc12def"_s << 5;
        QTest::newRow("a paste over a selection")
            << u"abcdefgh"_s << 1 << 3 << u""_s << u"123456"_s << u"a123efgh"_s << 4;
        QTest::newRow("a paste never splits a surrogate pair")
            << u"abcdefg"_s << 7 << 0 << u""_s << u"\U0001F600"_s << u"abcdefg"_s << 7;
        QTest::newRow("a longer text is shown whole")
            << u"abcdefghijkl"_s << 12 << 0 << u"x"_s << u"y"_s << u"abcdefghijkl"_s << 12;
        QTest::newRow("no-break space and line separator are kept")
            << u"a\u00A0b\u2028c"_s << 5 << 0 << u""_s << u""_s << u"a\u00A0b\u2028c"_s << 5;
    }

    void textBox()
    {
        const auto [shown, caret, selected, typed, pasted] =
            fetch<QString, int, int, QString, QString>(
                {"shown", "caret", "selected", "typed", "pasted"});

        LimitedTextEdit box(8);
        box.setPlainText(shown);
        QTextCursor cursor = box.textCursor();
        cursor.setPosition(caret);
        cursor.setPosition(caret + selected, QTextCursor::KeepAnchor);
        box.setTextCursor(cursor);
        QTest::keyClicks(&box, typed);
        if (!pasted.isEmpty()) {
            QApplication::clipboard()->setText(pasted);
            box.paste();
        }
        QTEST(box.text(), "text");
        QTEST(box.textCursor().position(), "caretAfter");
    }

    // Copying from the box gives the characters as they stand.
    void copyKeepsCharacters()
    {
        LimitedTextEdit box(255);
        box.setPlainText(u"one\u00A0two\u2028three\nfour"_s);
        box.selectAll();
        box.copy();
        QCOMPARE(QApplication::clipboard()->text(), u"one\u00A0two\u2028three\nfour"_s);
    }

    void lineEdit_data()
    {
        // text: after typing "x" at the end
        addColumns<QString, QString>({"stored", "text"});

        QTest::newRow("at the limit") << u"abcd"_s << u"abcd"_s;
        QTest::newRow("over the old 32767 ceiling") << QString(40000, u'z') << QString(40000, u'z');
    }

    void lineEdit()
    {
        QFETCH(QString, stored);
        QLineEdit edit;
        TextLimits::setText(edit, stored, 4);
        QCOMPARE(edit.text(), stored);
        edit.end(false);
        QTest::keyClick(&edit, Qt::Key_X);
        QTEST(edit.text(), "text");
    }
};

DVK_TEST(TextLimitsTest);
#include "tst_textlimits.moc"
