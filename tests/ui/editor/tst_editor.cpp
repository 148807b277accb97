#include "CharFormatRecord.h"
#include "DvkTest.h"
#include "FakeClock.h"
#include "FakePrompts.h"
#include "NoteDialog.h"
#include "NoteEditor.h"
#include "NoteLinks.h"
#include "OpenLink.h"
#include "Records.h"
#include "SettingsStore.h"
#include "ViewRows.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>

class TestEditor final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { SettingsStore().remove(SettingsStore::RichEditDefaultFont); }

    // Formatted text is pasted as plain text; a clipboard without text offers no Paste.
    void paste_data()
    {
        addColumns<bool, bool, QString>({"text", "byKeyboard", "pasted"});
        QTest::newRow("formatted, menu") << true << false << u"bold and big"_s;
        QTest::newRow("formatted, Ctrl+V") << true << true << u"bold and big"_s;
        QTest::newRow("image only") << false << false << QString();
    }
    void paste()
    {
        const auto [text, byKeyboard] = fetch<bool, bool>({"text", "byKeyboard"});
        auto data = std::make_unique<QMimeData>();
        if (text) {
            data->setHtml(u"<b>bold</b> <i>and</i> <span style='font-size:40pt'>big</span>"_s);
            data->setText(u"bold and big"_s);
        } else {
            data->setData(u"image/png"_s, "\x89PNG");
        }
        QGuiApplication::clipboard()->setMimeData(data.release());
        NoteEditor editor;
        QCOMPARE(test::enabledEntries(*editor.makeContextMenu()),
                 text ? u"Undo|Paste|Delete|Select All|Font..."_s
                      : u"Undo|Delete|Select All|Font..."_s);
        if (byKeyboard)
            QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
        else
            editor.pasteClipboard();
        QTEST(editor.toPlainText(), "pasted");
        QTextCursor cursor(editor.document());
        cursor.setPosition(editor.toPlainText().size() / 4); // inside "bold" when pasted
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Normal));
        QVERIFY(!cursor.charFormat().fontItalic());
        QCOMPARE(editor.document()->blockCount(), 1);
        editor.undo();
        QCOMPARE(editor.toPlainText(), QString());
    }

    void clipboardCommands_data()
    {
        addColumns<int, int, QKeyCombination, QString, QString>(
            {"selectionStart", "selectionEnd", "keys", "text", "clipboard"});
        const QKeyCombination copy(Qt::ControlModifier, Qt::Key_C);
        const QKeyCombination copyInsert(Qt::ControlModifier, Qt::Key_Insert);
        const QKeyCombination cut(Qt::ControlModifier, Qt::Key_X);
        const QKeyCombination cutDelete(Qt::ShiftModifier, Qt::Key_Delete);
        const QKeyCombination paste(Qt::ShiftModifier, Qt::Key_Insert);
        QTest::newRow("Shift+Delete, nothing selected")
            << 2 << 2 << cutDelete << u"abcdef"_s << u"keep"_s;
        QTest::newRow("copy") << 1 << 3 << copy << u"abcdef"_s << u"bc"_s;
        QTest::newRow("Ctrl+Insert") << 3 << 1 << copyInsert << u"abcdef"_s << u"bc"_s;
        QTest::newRow("cut") << 1 << 3 << cut << u"adef"_s << u"bc"_s;
        QTest::newRow("Shift+Delete") << 1 << 3 << cutDelete << u"adef"_s << u"bc"_s;
        QTest::newRow("Shift+Insert") << 1 << 3 << paste << u"akeepdef"_s << u"keep"_s;
    }
    void clipboardCommands()
    {
        const auto [selectionStart, selectionEnd, keys, text, clipboard] =
            fetch<int, int, QKeyCombination, QString, QString>(
                {"selectionStart", "selectionEnd", "keys", "text", "clipboard"});
        QGuiApplication::clipboard()->setText(u"keep"_s);
        NoteEditor editor;
        editor.setNoteText(u"abcdef"_s);
        QTextCursor cursor(editor.document());
        cursor.setPosition(selectionStart);
        cursor.setPosition(selectionEnd, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
        QCOMPARE(test::enabledEntries(*editor.makeContextMenu()),
                 selectionStart != selectionEnd ? u"Undo|Cut|Copy|Paste|Delete|Select All|Font..."_s
                                                : u"Undo|Paste|Delete|Select All|Font..."_s);
        QTest::keyClick(&editor, keys.key(), keys.keyboardModifiers());
        QCOMPARE(editor.toPlainText(), text);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }

    void undoByCtrlBackspace()
    {
        NoteEditor editor;
        QTest::keyClicks(&editor, u"one"_s);
        QTest::keyClick(&editor, Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(editor.toPlainText(), QString());
    }

    void pasteBeyondLimitIsRefused()
    {
        test::FakePrompts prompts;
        const QString clip(2 * 1024 * 1024 - 2, u'x');
        QGuiApplication::clipboard()->setText(clip);
        NoteEditor editor;
        editor.setNoteText(u"abc"_s);
        editor.pasteClipboard();
        QCOMPARE(editor.toPlainText(), u"abc"_s);
        QCOMPARE(
            prompts.messages,
            QStringList{
                u"The text is too long for a note. Notes hold at most 2,097,152 characters."_s});
        QCOMPARE(QGuiApplication::clipboard()->text().size(), clip.size());
        // Replacing a selection frees its room.
        editor.selectAll();
        editor.pasteClipboard();
        QCOMPARE(editor.toPlainText().size(), clip.size());
        QCOMPARE(editor.wordWrapMode(), QTextOption::WrapAnywhere);
    }

    // A stored record is used only when it is exactly 60 bytes long; its effects and a size
    // that is not positive are ignored. Size 0 expects the editor's default font.
    void storedFont_data()
    {
        addColumns<int, int, int>({"length", "heightTwips", "size"});
        QTest::newRow("59 bytes") << 59 << 31 * 20 << 0;
        QTest::newRow("60 bytes") << 60 << 31 * 20 << 31;
        QTest::newRow("61 bytes") << 61 << 31 * 20 << 0;
        QTest::newRow("negative size, bold and italic") << 60 << -5 << 0;
    }
    void storedFont()
    {
        const auto [length, heightTwips, size] =
            fetch<int, int, int>({"length", "heightTwips", "size"});
        CharFormatRecord record;
        record.mask = CharFormatRecord::MaskSize | CharFormatRecord::MaskFace |
                      CharFormatRecord::MaskBold | CharFormatRecord::MaskItalic;
        record.effects = 3;
        record.heightTwips = heightTwips;
        record.faceName = "DVK Test Face";
        QByteArray bytes = record.toBytes();
        bytes.resize(length);
        SettingsStore().writeBytes(SettingsStore::RichEditDefaultFont, bytes);
        const NoteEditor plain(nullptr, QString());
        const NoteEditor editor;
        QCOMPARE(editor.font().pointSizeF(), size ? size : plain.font().pointSizeF());
        QCOMPARE(editor.font().family(), length == 60 ? u"DVK Test Face"_s : plain.font().family());
        QVERIFY(!editor.font().bold() && !editor.font().italic());
    }

    void fontChoiceKeepsSizeAndFaceOnly()
    {
        test::FakePrompts prompts;
        QFont chosen(u"DejaVu Serif"_s, 17);
        chosen.setBold(true);
        chosen.setItalic(true);
        chosen.setUnderline(true);
        prompts.fonts << chosen;
        {
            NoteEditor editor;
            editor.setNoteText(u"abc"_s);
            editor.chooseFont();
            QCOMPARE(editor.font().pointSize(), 17);
            QVERIFY(!editor.font().bold());
        }
        const QByteArray stored =
            SettingsStore().readBytes(SettingsStore::RichEditDefaultFont).value_or(QByteArray());
        QCOMPARE(stored.size(), 60);
        QCOMPARE(stored.left(4), QByteArray("\x3c\0\0\0", 4));
        QCOMPARE(stored.mid(12, 4), QByteArray("\x54\x01\0\0", 4)); // 340 twips
        QCOMPARE(stored.mid(26, 13), QByteArray("DejaVu Serif\0", 13));
        QCOMPARE(stored.mid(8, 4), QByteArray(4, '\0')); // no effects
        const NoteEditor later;
        QCOMPARE(later.font().family(), u"DejaVu Serif"_s);
        QCOMPARE(later.font().pointSize(), 17);
    }

    void findLinks_data()
    {
        addColumns<QString, QStringList>({"line", "links"});
        QTest::newRow("none") << u"no links here: at all"_s << QStringList{};
        QTest::newRow("web in sentence")
            << u"See (https://example.org/a?b=1)."_s << QStringList{u"https://example.org/a?b=1"_s};
        QTest::newRow("capital scheme") << u"HTTP://X.ORG"_s << QStringList{u"HTTP://X.ORG"_s};
        QTest::newRow("bare mail and mailto")
            << u"joe@example.org, mailto:ann@example.org"_s
            << QStringList{u"joe@example.org"_s, u"mailto:ann@example.org"_s};
        QTest::newRow("other schemes") << u"ftp://x.org C:\\dir file:///tmp"_s << QStringList{};
        QTest::newRow("scheme alone") << u"http:// mailto: joe@"_s << QStringList{};
        QTest::newRow("at first") << u"@someone"_s << QStringList{};
    }
    void findLinks()
    {
        QFETCH(QString, line);
        QStringList found;
        const QList<NoteLink> all = findNoteLinks(line);
        for (const NoteLink& link : all)
            found << line.mid(link.start, link.length);
        QTEST(found, "links");
    }

    void linkOpensOnLeftClickOnly_data()
    {
        addColumns<int, Qt::MouseButton, QString>({"position", "button", "opened"});
        // "go http://example.org/x now joe@example.org."
        QTest::newRow("left on web") << 8 << Qt::LeftButton << u"http://example.org/x"_s;
        QTest::newRow("right on web") << 8 << Qt::RightButton << QString();
        QTest::newRow("middle on web") << 8 << Qt::MiddleButton << QString();
        QTest::newRow("left on mail") << 32 << Qt::LeftButton << u"mailto:joe@example.org"_s;
        QTest::newRow("left on word") << 1 << Qt::LeftButton << QString();
    }
    void linkOpensOnLeftClickOnly()
    {
        const auto [position, button, opened] =
            fetch<int, Qt::MouseButton, QString>({"position", "button", "opened"});
        QStringList urls;
        SetUrlOpener([&urls](const QUrl& url) { urls << url.toString(); });
        const auto restore = qScopeGuard([] { SetUrlOpener({}); });
        NoteEditor editor;
        editor.setContextMenuPolicy(Qt::NoContextMenu);
        editor.setNoteText(u"go http://example.org/x now joe@example.org."_s);
        editor.resize(500, 200);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QTextCursor cursor(editor.document());
        cursor.setPosition(position);
        const QRect at = editor.cursorRect(cursor);
        QTest::mouseClick(editor.viewport(), button, {}, at.center() + QPoint(3, 0));
        QCOMPARE(urls, opened.isEmpty() ? QStringList{} : QStringList{opened});
        QTRY_COMPARE(editor.linkSelections().size(), 2);
    }
    void okRule_data()
    {
        addColumns<QString, bool>({"text", "ok"});
        QTest::newRow("blanks and line breaks") << u"  \n\t \r\n  \n"_s << false;
        QTest::newRow("one character after blank lines") << u"\n\n  x"_s << true;
    }
    void okRule()
    {
        const auto [text, ok] = fetch<QString, bool>({"text", "ok"});
        NoteDialog dialog;
        QVERIFY(!dialog.isOkEnabled());
        dialog.editor()->insertPlainText(text);
        // The check runs after the change, not during it.
        QTRY_COMPARE(dialog.isOkEnabled(), ok);
    }

    void storesTrimmedTextAndDate()
    {
        const test::FakeClock clock;
        NoteDialog dialog(clock);
        QCOMPARE(dialog.date(), clock.today());
        NoteRecord note(clock);
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
        NoteDialog dialog;
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

DVK_TEST(TestEditor);

#include "tst_editor.moc"
