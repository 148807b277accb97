#include "DvkTest.h"
#include "FakeClock.h"
#include "FakePrompts.h"
#include "FormatDate.h"
#include "IconLibrary.h"
#include "NoteDialog.h"
#include "NoteTitle.h"
#include "NotesModel.h"
#include "NotesPanel.h"
#include "ViewRows.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListView>
#include <QMimeData>

Q_DECLARE_METATYPE(Prompts::Answer)

class TestNotesPanel final : public QObject
{
    Q_OBJECT

    test::FakeClock m_clock;
    std::unique_ptr<RecordList<NoteRecord>> m_notes;

    // A panel over notes made of `texts`, with `rows` selected and its dialogs answered by
    // `answer` (OK) or cancelled (null).
    std::unique_ptr<NotesPanel> makePanel(const QByteArrayList& texts, const QList<int>& rows = {},
                                          const QString& answer = QString())
    {
        for (const QByteArray& text : texts)
            m_notes->add()->text = text;
        auto panel = std::make_unique<NotesPanel>(*m_notes, m_clock);
        panel->setDialogRunner([answer](NoteDialog& dialog) {
            if (answer.isNull())
                return false;
            dialog.setText(answer);
            dialog.setDate(QDate(2020, 5, 6));
            return true;
        });
        test::selectRows(*panel->listView(), rows);
        return panel;
    }
    QByteArrayList texts() const
    {
        QByteArrayList texts;
        for (const NoteRecord* note : *m_notes)
            texts << note->text;
        return texts;
    }

private Q_SLOTS:
    void initTestCase() { IconLibrary::instance().load(); }
    void init() { m_notes = std::make_unique<RecordList<NoteRecord>>(m_clock); }

    void imageIndexCorrection_data()
    {
        addColumns<int, int, int>({"stored", "iconCount", "shown"});
        QTest::newRow("last") << 59 << 60 << 59;
        QTest::newRow("count") << 60 << 60 << 0;
        QTest::newRow("negative") << -1 << 60 << 0;
        QTest::newRow("library not loaded") << 5 << 0 << 5;
    }
    void imageIndexCorrection()
    {
        const auto [stored, iconCount] = fetch<int, int>({"stored", "iconCount"});
        m_notes->add()->imageIndex = stored;
        NotesPanel::correctImageIndexes(*m_notes, iconCount);
        QTEST(m_notes->at(0)->imageIndex, "shown");
    }

    void panelCorrectsAndShowsInListOrder()
    {
        for (const char* text : {"first", "\n\nsecond", "third"})
            m_notes->add()->text = text;
        m_notes->at(1)->imageIndex = IconLibrary::instance().count();
        const auto panel = makePanel({});
        QCOMPARE(m_notes->at(1)->imageIndex, 0);
        QCOMPARE(test::column(*panel->model(), 0),
                 (QStringList{u"first"_s, u"second"_s, u"third"_s}));
        const QDate today = m_clock.today();
        QCOMPARE(panel->model()->data(panel->model()->index(0, 0), Qt::ToolTipRole).toString(),
                 FormatDate(today.year(), today.month(), today.day(), 255));
    }

    void menuEnabling_data()
    {
        addColumns<QList<int>, bool, QString>({"selected", "clipboardText", "enabled"});
        QTest::newRow("none, no text") << QList<int>{} << false << u"Add..."_s;
        QTest::newRow("one, text")
            << QList<int>{1} << true << u"Add...|Paste|Edit...|Image...|Remove"_s;
        QTest::newRow("two, text") << QList<int>{0, 2} << true << u"Add...|Paste|Remove"_s;
    }
    void menuEnabling()
    {
        const auto [selected, clipboardText] =
            fetch<QList<int>, bool>({"selected", "clipboardText"});
        auto data = std::make_unique<QMimeData>();
        if (clipboardText)
            data->setText(u"text"_s);
        else
            data->setData(u"application/octet-stream"_s, "x");
        QGuiApplication::clipboard()->setMimeData(data.release());
        const auto panel = makePanel({"a", "b", "c"}, selected);
        QTEST(test::enabledEntries(*panel->makeContextMenu()), "enabled");
    }

    // Paste stores the clipboard exactly, as a new last note of today; the selection stays.
    void paste()
    {
        const QString clip = u"\r\n\n  \tMeeting notes\nline two  "_s;
        QGuiApplication::clipboard()->setText(clip);
        const auto panel = makePanel({"a", "b"}, {0});
        panel->paste();
        QCOMPARE(texts(), (QByteArrayList{"a", "b", clip.toLocal8Bit()}));
        const NoteRecord* note = m_notes->at(2);
        QCOMPARE(note->imageIndex, 0);
        QCOMPARE(QDate(note->year, note->month, note->day), m_clock.today());
        QCOMPARE(panel->model()->titleAt(2), u"Meeting notes line two  "_s);
        QCOMPARE(test::selectedRows(*panel->listView()), QList<int>{0});

        // One character too many is refused and the clipboard is left as it was.
        test::FakePrompts prompts;
        const QString tooLong(2 * 1024 * 1024 + 1, u'x');
        QGuiApplication::clipboard()->setText(tooLong);
        panel->paste();
        QCOMPARE(m_notes->count(), 3);
        QCOMPARE(prompts.messages, QStringList{u"The text is too long for a note. Notes hold at "
                                               "most 2,097,152 characters."_s});
        QCOMPARE(QGuiApplication::clipboard()->text().size(), tooLong.size());
    }

    void addAndEdit()
    {
        const auto panel = makePanel({"a", "b", "c"}, {2, 1}, u"  new note \n"_s);
        // Edit changes the first selected row in place.
        panel->edit();
        QCOMPARE(texts(), (QByteArrayList{"a", "new note", "c"}));
        QCOMPARE(panel->model()->titleAt(1), u"new note"_s);
        QCOMPARE(panel->model()->recordAt(1), m_notes->at(1));
        QCOMPARE(m_notes->at(1)->year, 2020);
        // Add appends and selects the new note alone.
        panel->add();
        QCOMPARE(texts(), (QByteArrayList{"a", "new note", "c", "new note"}));
        QCOMPARE(m_notes->at(3)->day, 6);
        QCOMPARE(test::selectedRows(*panel->listView()), QList<int>{3});
    }

    void imageGoesToEverySelected()
    {
        const auto panel = makePanel({"a", "b", "c"}, {2, 0});
        m_notes->at(2)->imageIndex = 4;
        int offered = -1;
        panel->setIconChooser([&offered](QWidget*, int current) {
            offered = current;
            return std::optional<int>(9);
        });
        panel->chooseImage();
        QCOMPARE(offered, 0);
        QCOMPARE((QList<int>{m_notes->at(0)->imageIndex, m_notes->at(1)->imageIndex,
                             m_notes->at(2)->imageIndex}),
                 (QList<int>{9, 0, 9}));
    }

    void removeAsks_data()
    {
        addColumns<Prompts::Answer, QByteArrayList>({"answer", "left"});
        QTest::newRow("yes") << Prompts::Answer::Yes << QByteArrayList{"b", "d"};
        QTest::newRow("no") << Prompts::Answer::No << QByteArrayList{"a", "b", "c", "d"};
    }
    void removeAsks()
    {
        const auto [answer, left] = fetch<Prompts::Answer, QByteArrayList>({"answer", "left"});
        test::FakePrompts prompts;
        prompts.answers << answer;
        const auto panel = makePanel({"a", "b", "c", "d"}, {0, 2});
        panel->remove();
        QCOMPARE(prompts.messages, QStringList{u"Remove selected Items?"_s});
        QCOMPARE(prompts.icons, QList<Prompts::Icon>{Prompts::Icon::Question});
        QCOMPARE(texts(), left);
        QCOMPARE(test::column(*panel->model(), 0).join(u'|').toLatin1(), left.join('|'));
    }
    void title_data()
    {
        addColumns<QByteArray, QString>({"text", "title"});
        QTest::newRow("only blanks") << QByteArray(" \r\n\t ") << QString();
        QTest::newRow("two blank lines and a tab")
            << QByteArray("\r\n\r\n\tShopping\tlist\r\nmilk") << u"Shopping list  milk"_s;
        QTest::newRow("80 after leading blanks")
            << QByteArray("   ") + QByteArray(81, 'c') << QString(80, u'c');
        QTest::newRow("non-ASCII counted as characters")
            << (QString(79, u'x') + u"éé"_s).toLocal8Bit() << QString(79, u'x') + u"é"_s;
        QTest::newRow("surrogate pair not split")
            << (QString(79, u'x') + u"😀"_s).toLocal8Bit() << QString(79, u'x');
    }
    void title()
    {
        QFETCH(QByteArray, text);
        QTEST(NoteTitle::of(text), "title");
    }
};

DVK_TEST(TestNotesPanel);

#include "tst_notes.moc"
