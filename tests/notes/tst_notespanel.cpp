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

namespace {

QMap<QString, bool> enabledEntries(QMenu& menu)
{
    QMap<QString, bool> entries;
    const QList<QAction*> actions = menu.actions();
    for (const QAction* action : actions) {
        if (!action->isSeparator())
            entries.insert(action->text(), action->isEnabled());
    }
    return entries;
}

} // namespace

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

private:
    dvk::test::FakeClock m_clock;

    // A panel over `notes` with dialogs answered by `text` (OK) or cancelled (null text).
    std::unique_ptr<dvk::NotesPanel> makePanel(dvk::RecordList<dvk::NoteRecord>& notes,
                                               const QString& answer = QString())
    {
        auto panel = std::make_unique<dvk::NotesPanel>(notes, m_clock);
        panel->setDialogRunner([answer](dvk::NoteDialog& dialog) {
            if (answer.isNull())
                return false;
            dialog.setText(answer);
            dialog.setDate(QDate(2020, 5, 6));
            return true;
        });
        return panel;
    }

    static void addNotes(dvk::RecordList<dvk::NoteRecord>& notes, const QList<QByteArray>& texts)
    {
        for (const QByteArray& text : texts)
            notes.add()->text = text;
    }

    static void select(dvk::NotesPanel& panel, const QList<int>& rows)
    {
        panel.listView()->clearSelection();
        for (const int row : rows)
            panel.listView()->selectionModel()->select(panel.model()->index(row),
                                                       QItemSelectionModel::Select);
    }

private Q_SLOTS:
    void initTestCase() { dvk::IconLibrary::instance().load(); }

    void imageIndexCorrection_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("iconCount");
        QTest::addColumn<int>("shown");
        QTest::newRow("first") << 0 << 60 << 0;
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
        dvk::RecordList<dvk::NoteRecord> notes(m_clock);
        notes.add()->imageIndex = stored;
        dvk::NotesPanel::correctImageIndexes(notes, iconCount);
        QCOMPARE(notes.at(0)->imageIndex, shown);
    }

    void panelCorrectsAndShowsInListOrder()
    {
        dvk::RecordList<dvk::NoteRecord> notes(m_clock);
        addNotes(notes, {"first", "\n\nsecond", "third"});
        notes.at(1)->imageIndex = dvk::IconLibrary::instance().count();
        notes.at(2)->imageIndex = 3;
        const auto panel = makePanel(notes);
        QCOMPARE(notes.at(1)->imageIndex, 0);
        QCOMPARE(notes.at(2)->imageIndex, 3);
        QCOMPARE(panel->model()->rowCount(), 3);
        QCOMPARE(panel->model()->titleAt(1), u"second"_s);
        QCOMPARE(panel->model()->data(panel->model()->index(0), Qt::ToolTipRole).toString(),
                 dvk::FormatDate(m_clock.today().year(), m_clock.today().month(),
                                 m_clock.today().day(), 255));
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
        if (clipboardText) {
            QGuiApplication::clipboard()->setText(u"text"_s);
        } else {
            auto data = std::make_unique<QMimeData>();
            data->setData(u"application/octet-stream"_s, "x");
            QGuiApplication::clipboard()->setMimeData(data.release());
        }
        dvk::RecordList<dvk::NoteRecord> notes(m_clock);
        addNotes(notes, {"a", "b", "c"});
        const auto panel = makePanel(notes);
        select(*panel, selected);
        const auto menu = panel->makeContextMenu();
        const QMap<QString, bool> entries = enabledEntries(*menu);
        QCOMPARE(entries.keys(),
                 (QStringList{u"Add..."_s, u"Edit..."_s, u"Image..."_s, u"Paste"_s, u"Remove"_s}));
        QCOMPARE(entries[u"Add..."_s], true);
        QCOMPARE(entries[u"Paste"_s], clipboardText);
        QCOMPARE(entries[u"Edit..."_s], edit);
        QCOMPARE(entries[u"Image..."_s], edit);
        QCOMPARE(entries[u"Remove"_s], remove);
    }

    void pasteStoresClipboardExactly()
    {
        const QString clip = u"\r\n\n  \tMeeting notes\nline two  "_s;
        QGuiApplication::clipboard()->setText(clip);
        dvk::RecordList<dvk::NoteRecord> notes(m_clock);
        addNotes(notes, {"a", "b"});
        const auto panel = makePanel(notes);
        select(*panel, {0});
        panel->paste();
        QCOMPARE(notes.count(), 3);
        QCOMPARE(notes.at(2)->text, clip.toLocal8Bit());
        QCOMPARE(notes.at(2)->imageIndex, 0);
        QCOMPARE(QDate(notes.at(2)->year, notes.at(2)->month, notes.at(2)->day), m_clock.today());
        QCOMPARE(panel->model()->titleAt(2), u"Meeting notes line two  "_s);
        QCOMPARE(panel->listView()->selectionModel()->selectedIndexes(),
                 QModelIndexList{panel->model()->index(0)});
    }

    void pasteTooLongKeepsClipboard()
    {
        dvk::test::FakePrompts prompts;
        const QString clip(dvk::NoteEditor::MaxLength + 1, u'x');
        QGuiApplication::clipboard()->setText(clip);
        dvk::RecordList<dvk::NoteRecord> notes(m_clock);
        const auto panel = makePanel(notes);
        panel->paste();
        QCOMPARE(notes.count(), 0);
        QCOMPARE(prompts.messages, QStringList{dvk::NoteEditor::TooLongMessage});
        QCOMPARE(QGuiApplication::clipboard()->text().size(), clip.size());
    }

    void addAppendsAndSelects()
    {
        dvk::RecordList<dvk::NoteRecord> notes(m_clock);
        addNotes(notes, {"a", "b"});
        const auto panel = makePanel(notes, u"  new note \n"_s);
        select(*panel, {0, 1});
        panel->add();
        QCOMPARE(notes.count(), 3);
        QCOMPARE(notes.at(2)->text, QByteArray("new note"));
        QCOMPARE(notes.at(2)->year, 2020);
        QCOMPARE(panel->listView()->selectionModel()->selectedIndexes(),
                 QModelIndexList{panel->model()->index(2)});
    }

    void editChangesLabelInPlace()
    {
        dvk::RecordList<dvk::NoteRecord> notes(m_clock);
        addNotes(notes, {"a", "b", "c"});
        const auto panel = makePanel(notes, u"changed"_s);
        select(*panel, {2, 1});
        panel->edit();
        QCOMPARE(notes.at(1)->text, QByteArray("changed"));
        QCOMPARE(panel->model()->titleAt(1), u"changed"_s);
        QCOMPARE(panel->model()->noteAt(1), notes.at(1));
        QCOMPARE(notes.at(2)->text, QByteArray("c"));
    }

    void imageGoesToEverySelected()
    {
        dvk::RecordList<dvk::NoteRecord> notes(m_clock);
        addNotes(notes, {"a", "b", "c"});
        notes.at(2)->imageIndex = 4;
        const auto panel = makePanel(notes);
        int offered = -1;
        panel->setIconChooser([&offered](QWidget*, int current) {
            offered = current;
            return std::optional<int>(9);
        });
        select(*panel, {2, 0});
        panel->chooseImage();
        QCOMPARE(offered, 0);
        QCOMPARE(notes.at(0)->imageIndex, 9);
        QCOMPARE(notes.at(1)->imageIndex, 0);
        QCOMPARE(notes.at(2)->imageIndex, 9);
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
        dvk::RecordList<dvk::NoteRecord> notes(m_clock);
        addNotes(notes, {"a", "b", "c", "d"});
        const auto panel = makePanel(notes);
        select(*panel, {0, 2});
        panel->remove();
        QCOMPARE(prompts.messages, QStringList{u"Remove selected Items?"_s});
        QCOMPARE(prompts.icons, QList<dvk::Prompts::Icon>{dvk::Prompts::Icon::Question});
        QByteArrayList texts;
        QByteArrayList titles;
        for (const dvk::NoteRecord* note : notes)
            texts << note->text;
        for (int row = 0; row < panel->model()->rowCount(); ++row)
            titles << panel->model()->titleAt(row).toLocal8Bit();
        QCOMPARE(texts, left);
        QCOMPARE(titles, left);
    }
};

DVK_TEST(TestNoteTitle);
DVK_TEST(TestNotesPanel);

#include "tst_notespanel.moc"
