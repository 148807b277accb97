#include "ArchiveFieldList.h"
#include "ArchiveFieldModel.h"
#include "ArchiveItemList.h"
#include "ArchivesPanel.h"
#include "CategoryFilterBox.h"
#include "DataStore.h"
#include "DvkTest.h"
#include "FindResultModel.h"
#include "FindWindow.h"
#include "FormatDate.h"
#include "ItemNoteList.h"
#include "ItemNoteModel.h"
#include "MemoPanel.h"
#include "NavigationBar.h"
#include "NotesModel.h"
#include "NotesPanel.h"
#include "PanelFactory.h"
#include "PurseCategoryList.h"
#include "PurseCategoryModel.h"
#include "PurseEntryList.h"
#include "PurseEntryModel.h"
#include "PursePanel.h"
#include "RecordBuilders.h"
#include "SearchRunner.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTableView>

namespace {

QString text(const QByteArray& bytes)
{
    return QString::fromLocal8Bit(bytes);
}

// What the panel of `index` shows as selected, in one line.
QString selectionIn(const MainWindow& window, int index)
{
    QWidget* panel = window.panel(index);
    if (auto* archives = qobject_cast<ArchivesPanel*>(panel)) {
        const ArchiveItem* item = archives->itemList()->firstSelectedItem();
        QString shown =
            archives->categoryBox()->currentText() + u": "_s + (item ? text(item->name) : u"-"_s);
        if (const ArchiveField* fact = archives->fieldList()->fieldModel()->recordAt(
                archives->fieldList()->firstSelectedRow()))
            shown += u" / "_s + text(fact->name);
        if (const NoteRecord* note = archives->noteList()->noteModel()->recordAt(
                archives->noteList()->firstSelectedRow()))
            shown += u" / "_s + text(note->text);
        return shown;
    }
    if (auto* purse = qobject_cast<PursePanel*>(panel)) {
        const PurseCategory* category = purse->purseCategoryList()->categoryModel()->recordAt(
            purse->purseCategoryList()->firstSelectedRow());
        const PurseEntry* entry = purse->purseEntryList()->entryModel()->recordAt(
            purse->purseEntryList()->firstSelectedRow());
        return (category ? text(category->name) : u"-"_s) + u": "_s +
               (entry ? text(entry->note) : u"-"_s) +
               u" (%1 selected)"_s.arg(purse->purseCategoryList()->selectedRowNumbers().size());
    }
    if (auto* memo = qobject_cast<MemoPanel*>(panel)) {
        const QModelIndexList rows = memo->view()->selectionModel()->selectedRows();
        return rows.size() == 1 ? text(memo->model()->recordAt(rows[0].row())->text) : u"-"_s;
    }
    if (auto* notes = qobject_cast<NotesPanel*>(panel)) {
        const QModelIndexList rows = notes->listView()->selectionModel()->selectedIndexes();
        return rows.size() == 1 ? notes->model()->titleAt(rows[0].row()) : u"-"_s;
    }
    return {};
}

} // namespace

class FindWindowTest final : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataStore> m_store;
    std::unique_ptr<MainWindow> m_window;

    // Opens the Find window with Ctrl+F and types `query`; null when no window opened.
    FindWindow* openAndType(const QString& query)
    {
        m_window->show();
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            return nullptr;
        QTest::keyClick(m_window.get(), Qt::Key_F, Qt::ControlModifier);
        FindWindow* find = m_window->findWindow();
        if (!find)
            return nullptr;
        find->searchBox()->clear();
        QSignalSpy finished(find->runner(), &SearchRunner::finished);
        QTest::keyClicks(find->searchBox(), query);
        if (!finished.wait(5000))
            qWarning("the search did not finish");
        // A search started by an earlier keystroke may finish after the last one's.
        while (find->runner()->isRunning())
            finished.wait(5000);
        return find;
    }

private Q_SLOTS:
    void init()
    {
        m_store = std::make_unique<DataStore>();
        test::addItem(*m_store, "Boats", "Alpha",
                      {{"Mail", "a@example.org"}, {"Port", "Harbour Road 1"}});
        ArchiveItem* beta = test::addItem(*m_store, "Cars", "Beta");
        beta->notes.add()->text = "Old note";
        test::addNote(*beta, 2030, 1, 2, "Meet at the harbour");
        test::addItem(*m_store, "Cars", "Gamma");
        const QDate day = QDate::currentDate();
        PurseCategory* food = m_store->purseCategories.add();
        food->name = "Food";
        test::addEntry(*food, day, 2.0, "Bread");
        PurseCategory* travel = m_store->purseCategories.add();
        travel->name = "Travel";
        test::addEntry(*travel, day, 10.0, "Taxi");
        test::addEntry(*travel, day, 12.5, "Ferry harbour");
        m_store->memos.add()->text = "Call mum";
        m_store->memos.add()->text = "Harbour dues";
        m_store->notes.add()->text = "Shopping";
        m_store->notes.add()->text = "Harbour map";
        m_window = std::make_unique<MainWindow>(*m_store, makePanelFactory(*m_store));
        m_window->setHitNavigator(makeHitNavigator());
    }
    void cleanup()
    {
        m_window.reset();
        m_store.reset();
    }

    void typingListsEveryPanel()
    {
        FindWindow* opened = openAndType(u"harbour"_s);
        QVERIFY(opened);
        FindWindow& find = *opened;
        QCOMPARE(find.windowTitle(), u"DVK Find"_s);
        QStringList rows;
        for (int row = 0; row < find.model()->rowCount(); ++row) {
            const SearchHit hit = find.model()->hit(row);
            rows << u"%1 %2 | %3"_s.arg(int(hit.panel)).arg(hit.title, hit.snippet);
        }
        QCOMPARE(rows, (QStringList{
                           u"0 Alpha | Harbour Road 1"_s, u"0 Beta | Meet at the harbour"_s,
                           u"1 Travel — Ferry harbour | Ferry harbour"_s,
                           u"2 Harbour dues | Harbour dues"_s, u"3 Harbour map | Harbour map"_s}));
        QCOMPARE(find.countLabel()->text(), u"5 records found."_s);
        // An item note's hit carries the note's date, not the item's.
        QCOMPARE(find.model()->data(find.model()->index(1, FindResultModel::DateColumn)),
                 QVariant(FormatDate(2030, 1, 2)));
        QTest::keyClicks(find.searchBox(), u" nowhere"_s);
        QTRY_COMPARE(find.countLabel()->text(), u"Nothing found."_s);
        QCOMPARE(find.model()->rowCount(), 0);
    }

    void enterShowsTheRecord_data()
    {
        test::addColumns<QString, int, int, QString>({"query", "row", "panel", "selection"});
        QTest::newRow("archive fact") << u"road"_s << 0 << 0 << u"Boats: Alpha / Port"_s;
        QTest::newRow("archive note")
            << u"harbour"_s << 1 << 0 << u"Cars: Beta / Meet at the harbour"_s;
        QTest::newRow("archive name") << u"gamma"_s << 0 << 0 << u"Cars: Gamma"_s;
        QTest::newRow("purse amount")
            << u"12.5"_s << 0 << 1 << u"Travel: Ferry harbour (1 selected)"_s;
        QTest::newRow("memo") << u"dues"_s << 0 << 2 << u"Harbour dues"_s;
        QTest::newRow("note") << u"harbour"_s << 4 << 3 << u"Harbour map"_s;
    }
    void enterShowsTheRecord()
    {
        const auto [query, row, panel, selection] =
            test::fetch<QString, int, int, QString>({"query", "row", "panel", "selection"});
        FindWindow* opened = openAndType(query);
        QVERIFY(opened);
        FindWindow& find = *opened;
        // Another panel is shown first, so that the switch is seen.
        m_window->navigationBar()->selectEntry(panel == 3 ? 2 : 3);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(find.searchBox(), Qt::Key_Down);
        QTest::keyClick(find.searchBox(), Qt::Key_Return);
        QCOMPARE(m_window->navigationBar()->selected(), panel);
        QVERIFY(m_window->panel(panel)->isVisible());
        QCOMPARE(selectionIn(*m_window, panel), selection);
        QTest::qWait(2 * ArchiveItemList::SettleMilliseconds);
        QCOMPARE(selectionIn(*m_window, panel), selection);
    }
};

DVK_TEST(FindWindowTest);
#include "tst_findwindow.moc"
