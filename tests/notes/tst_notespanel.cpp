#include "FakeClock.h"
#include "FakePrompts.h"
#include "FormatDate.h"
#include "IconLibrary.h"
#include "NoteDialog.h"
#include "NoteEditor.h"
#include "NoteTitle.h"
#include "NotesModel.h"
#include "NotesPanel.h"
#include "TestRegistry.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(dvk::Prompts::Answer)

class TestNoteTitle final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void title_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("only blanks") << QByteArray(" \r\n\t ") << QString();
        QTest::newRow("two blank lines and a tab")
            << QByteArray("\r\n\r\n\tShopping\tlist\r\nmilk") << u"Shopping list  milk"_s;
        QTest::newRow("200 characters")
            << QByteArray(120, 'a') + QByteArray(80, 'b') << QString(80, u'a');
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
        QFETCH(QString, title);
        QCOMPARE(dvk::NoteTitle::of(text), title);
    }
};

class TestNotesPanel final : public QObject
{
    Q_OBJECT

    dvk::test::FakeClock m_clock;
    std::unique_ptr<dvk::RecordList<dvk::NoteRecord>> m_notes;

    // A panel over notes made of `texts`, with `rows` selected and its dialogs answered by
    // `answer` (OK) or cancelled (null).
    std::unique_ptr<dvk::NotesPanel> makePanel(const QByteArrayList& texts,
                                               const QList<int>& rows = {},
                                               const QString& answer = QString())
    {
        for (const QByteArray& text : texts)
            m_notes->add()->text = text;
        auto panel = std::make_unique<dvk::NotesPanel>(*m_notes, m_clock);
        panel->setDialogRunner([answer](dvk::NoteDialog& dialog) {
            if (answer.isNull())
                return false;
            dialog.setText(answer);
            dialog.setDate(QDate(2020, 5, 6));
            return true;
        });
        for (const int row : rows)
            panel->listView()->selectionModel()->select(panel->model()->index(row),
                                                        QItemSelectionModel::Select);
        return panel;
    }
    static QModelIndexList selected(const dvk::NotesPanel& panel)
    {
        return panel.listView()->selectionModel()->selectedIndexes();
    }

private Q_SLOTS:
    void initTestCase() { dvk::IconLibrary::instance().load(); }
    void init() { m_notes = std::make_unique<dvk::RecordList<dvk::NoteRecord>>(m_clock); }

    void imageIndexCorrection_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("iconCount");
        QTest::addColumn<int>("shown");
        QTest::newRow("last") << 59 << 60 << 59;
        QTest::newRow("count") << 60 << 60 << 0;
        QTest::newRow("far beyond") << 100000 << 60 << 0;
        QTest::newRow("negative") << -1 << 60 << 0;
        QTest::newRow("library not loaded") << 5 << 0 << 5;
    }
    void imageIndexCorrection()
    {
        QFETCH(int, stored);
        QFETCH(int, iconCount);
        QFETCH(int, shown);
        m_notes->add()->imageIndex = stored;
        dvk::NotesPanel::correctImageIndexes(*m_notes, iconCount);
        QCOMPARE(m_notes->at(0)->imageIndex, shown);
    }

    void panelCorrectsAndShowsInListOrder()
    {
        for (const char* text : {"first", "\n\nsecond", "third"})
            m_notes->add()->text = text;
        m_notes->at(1)->imageIndex = dvk::IconLibrary::instance().count();
        const auto panel = makePanel({});
        QCOMPARE(m_notes->at(1)->imageIndex, 0);
        QCOMPARE(panel->model()->rowCount(), 3);
        QCOMPARE(panel->model()->titleAt(1), u"second"_s);
        const QDate today = m_clock.today();
        QCOMPARE(panel->model()->data(panel->model()->index(0), Qt::ToolTipRole).toString(),
                 dvk::FormatDate(today.year(), today.month(), today.day(), 255));
    }

    void menuEnabling_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<bool>("clipboardText");
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("remove");
        QTest::newRow("none, no text") << QList<int>{} << false << false << false;
        QTest::newRow("one, text") << QList<int>{1} << true << true << true;
        QTest::newRow("two, text") << QList<int>{0, 2} << true << false << true;
        QTest::newRow("two, no text") << QList<int>{0, 1} << false << false << true;
    }
    void menuEnabling()
    {
        QFETCH(QList<int>, selected);
        QFETCH(bool, clipboardText);
        QFETCH(bool, edit);
        QFETCH(bool, remove);
        auto data = std::make_unique<QMimeData>();
        if (clipboardText)
            data->setText(u"text"_s);
        else
            data->setData(u"application/octet-stream"_s, "x");
        QGuiApplication::clipboard()->setMimeData(data.release());
        const auto panel = makePanel({"a", "b", "c"}, selected);
        const auto menu = panel->makeContextMenu();
        QMap<QString, bool> entries;
        const QList<QAction*> actions = menu->actions();
        for (const QAction* action : actions) {
            if (!action->isSeparator())
                entries.insert(action->text(), action->isEnabled());
        }
        QCOMPARE(entries, (QMap<QString, bool>{{u"Add..."_s, true},
                                               {u"Edit..."_s, edit},
                                               {u"Image..."_s, edit},
                                               {u"Paste"_s, clipboardText},
                                               {u"Remove"_s, remove}}));
    }

    void pasteStoresClipboardExactly()
    {
        const QString clip = u"\r\n\n  \tMeeting notes\nline two  "_s;
        QGuiApplication::clipboard()->setText(clip);
        const auto panel = makePanel({"a", "b"}, {0});
        panel->paste();
        QCOMPARE(m_notes->count(), 3);
        const dvk::NoteRecord* note = m_notes->at(2);
        QCOMPARE(note->text, clip.toLocal8Bit());
        QCOMPARE(note->imageIndex, 0);
        QCOMPARE(QDate(note->year, note->month, note->day), m_clock.today());
        QCOMPARE(panel->model()->titleAt(2), u"Meeting notes line two  "_s);
        QCOMPARE(selected(*panel), QModelIndexList{panel->model()->index(0)});
    }

    void addAppendsAndSelects()
    {
        const auto panel = makePanel({"a", "b"}, {0, 1}, u"  new note \n"_s);
        panel->add();
        QCOMPARE(m_notes->count(), 3);
        QCOMPARE(m_notes->at(2)->text, QByteArray("new note"));
        QCOMPARE(m_notes->at(2)->year, 2020);
        QCOMPARE(selected(*panel), QModelIndexList{panel->model()->index(2)});
    }

    void pasteTooLongKeepsClipboard()
    {
        dvk::test::FakePrompts prompts;
        const QString clip(dvk::NoteEditor::MaxLength + 1, u'x');
        QGuiApplication::clipboard()->setText(clip);
        makePanel({})->paste();
        QCOMPARE(m_notes->count(), 0);
        QCOMPARE(prompts.messages, QStringList{dvk::NoteEditor::TooLongMessage});
        QCOMPARE(QGuiApplication::clipboard()->text().size(), clip.size());
    }

    void editChangesLabelInPlace()
    {
        const auto panel = makePanel({"a", "b", "c"}, {2, 1}, u"changed"_s);
        panel->edit();
        QCOMPARE(m_notes->at(1)->text, QByteArray("changed"));
        QCOMPARE(panel->model()->titleAt(1), u"changed"_s);
        QCOMPARE(panel->model()->noteAt(1), m_notes->at(1));
        QCOMPARE(m_notes->at(2)->text, QByteArray("c"));
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
        QCOMPARE(m_notes->at(0)->imageIndex, 9);
        QCOMPARE(m_notes->at(1)->imageIndex, 0);
        QCOMPARE(m_notes->at(2)->imageIndex, 9);
    }

    void removeAsks_data()
    {
        QTest::addColumn<dvk::Prompts::Answer>("answer");
        QTest::addColumn<QByteArrayList>("left");
        QTest::newRow("yes") << dvk::Prompts::Answer::Yes << QByteArrayList{"b", "d"};
        QTest::newRow("no") << dvk::Prompts::Answer::No << QByteArrayList{"a", "b", "c", "d"};
    }
    void removeAsks()
    {
        QFETCH(dvk::Prompts::Answer, answer);
        QFETCH(QByteArrayList, left);
        dvk::test::FakePrompts prompts;
        prompts.answers << answer;
        const auto panel = makePanel({"a", "b", "c", "d"}, {0, 2});
        panel->remove();
        QCOMPARE(prompts.messages, QStringList{u"Remove selected Items?"_s});
        QCOMPARE(prompts.icons, QList<dvk::Prompts::Icon>{dvk::Prompts::Icon::Question});
        QCOMPARE(m_notes->count(), left.size());
        QCOMPARE(panel->model()->rowCount(), int(left.size()));
        for (int row = 0; row < left.size(); ++row) {
            QCOMPARE(m_notes->at(row)->text, left[row]);
            QCOMPARE(panel->model()->titleAt(row).toLocal8Bit(), left[row]);
        }
    }
};

DVK_TEST(TestNoteTitle);
DVK_TEST(TestNotesPanel);

#include "tst_notespanel.moc"
