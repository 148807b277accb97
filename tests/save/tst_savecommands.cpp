#include "ArchiveFieldDialog.h"
#include "ArchiveFieldList.h"
#include "ArchiveItemDialog.h"
#include "ArchiveItemList.h"
#include "ArchivesPanel.h"
#include "DvkTest.h"
#include "FakePrompts.h"
#include "ItemNoteList.h"
#include "MemoPanel.h"
#include "MemoPropertyDialog.h"
#include "NoteDialog.h"
#include "NotesPanel.h"
#include "PurseCategoryDialog.h"
#include "PurseCategoryList.h"
#include "PurseEntryList.h"
#include "PursePanel.h"
#include "PurseRecordDialog.h"
#include "PurseTotalBox.h"
#include "SaveFixture.h"
#include "SettingsStore.h"
#include "SortedComboBox.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <functional>

namespace {

// The four panels over one store, their dialogs answered with OK and new values, the first row
// of every list selected.
struct Panels
{
    explicit Panels(DataStore& store)
        : store(store)
        , archives(store)
        , purse(store.purseCategories, store.clock())
        , memo(store.memos, store.clock())
        , notes(store.notes, store.clock())
    {
        const auto nextIcon = [](QWidget*, int current) {
            return std::optional(current + 1);
        };
        notes.setDialogRunner([](NoteDialog& d) {
            d.setText(u"changed note"_s);
            return true;
        });
        notes.setIconChooser(nextIcon);
        memo.setIconChooser(nextIcon);
        archives.itemList()->setDialogRunner([](ArchiveItemDialog& d) {
            d.nameEdit()->setText(u"Insurance"_s);
            return true;
        });
        archives.fieldList()->setDialogRunner([](ArchiveFieldDialog& dialog) {
            dialog.nameBox()->setEditText(u"IBAN"_s);
            dialog.valueEdit()->setText(u"DE12"_s);
            return true;
        });
        archives.noteList()->setNoteEditor([](QWidget*, const ItemNoteList::NoteInput& preset) {
            return std::optional(ItemNoteList::NoteInput{preset.date, u"item note"_s});
        });
        archives.noteList()->setIconChooser(nextIcon);
        purse.purseCategoryList()->setDialogRunner([](QDialog& dialog) {
            static_cast<PurseCategoryDialog&>(dialog).setName(u"Travel"_s);
            return true;
        });
        purse.purseEntryList()->setDialogRunner([](QDialog& dialog) {
            auto& entry = static_cast<PurseRecordDialog&>(dialog);
            entry.setNoteText(u"train"_s);
            entry.setAmountText(u"12.50"_s);
            return true;
        });
        archives.itemList()->applyFilter(u"Bank"_s);
        for (QAbstractItemView* view : QList<QAbstractItemView*>{
                 archives.itemList(), purse.purseCategoryList(), memo.view(), notes.listView()})
            selectFirst(view);
        // The lists of an item's facts and notes and of a category's entries follow the
        // selection once it has settled.
        const QList<QAbstractItemView*> details{archives.fieldList(), archives.noteList(),
                                                purse.purseEntryList()};
        settled = QTest::qWaitFor([&] {
            return std::all_of(details.begin(), details.end(),
                               [](QAbstractItemView* v) { return v->model()->rowCount() > 0; });
        });
        for (QAbstractItemView* view : details)
            selectFirst(view);
    }

    static void selectFirst(QAbstractItemView* view)
    {
        view->selectionModel()->select(view->model()->index(0, 0),
                                       QItemSelectionModel::ClearAndSelect |
                                           QItemSelectionModel::Rows);
    }
    // Memo's property dialog: OK with a new text, or closed without a change; gives the panel.
    MemoPanel& answerMemo(bool ok)
    {
        memo.setDialogRunner([ok](MemoPropertyDialog& dialog) {
            if (!ok)
                return false;
            dialog.setText(u"dentist"_s);
            // Tomorrow, "any time of the day", is in the future at every hour of today.
            dialog.setDate(QDate::currentDate().addDays(1));
            dialog.refreshOkButton();
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            return dialog.result() == QDialog::Accepted;
        });
        return memo;
    }

    DataStore& store;
    bool settled = false;
    ArchivesPanel archives;
    PursePanel purse;
    MemoPanel memo;
    NotesPanel notes;
};

struct Command
{
    const char* name;
    std::function<void(Panels&)> run;
    bool stores = true;
};

void copy(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

Command cmd(const char* name, std::function<void(Panels&)> run, bool stores = true)
{
    return {name, std::move(run), stores};
}

const QList<Command>& commands()
{
    static const QList<Command> all = {
        cmd("Archives item Add", [](Panels& p) { p.archives.itemList()->add(); }),
        cmd("Archives item Edit", [](Panels& p) { p.archives.itemList()->edit(); }),
        cmd("Archives item Remove", [](Panels& p) { p.archives.itemList()->remove(); }),
        cmd("Archives fact Add", [](Panels& p) { p.archives.fieldList()->add(); }),
        cmd("Archives fact Edit", [](Panels& p) { p.archives.fieldList()->edit(); }),
        cmd("Archives fact Remove", [](Panels& p) { p.archives.fieldList()->remove(); }),
        cmd("Archives note Add", [](Panels& p) { p.archives.noteList()->add(); }),
        cmd("Archives note Edit", [](Panels& p) { p.archives.noteList()->edit(); }),
        cmd("Archives note Image", [](Panels& p) { p.archives.noteList()->chooseImage(); }),
        cmd("Archives note Paste",
            [](Panels& p) {
                copy(u"pasted into an item"_s);
                p.archives.noteList()->paste();
            }),
        cmd("Archives note Remove", [](Panels& p) { p.archives.noteList()->remove(); }),
        cmd("Purse category Add", [](Panels& p) { p.purse.purseCategoryList()->add(); }),
        cmd("Purse category Edit", [](Panels& p) { p.purse.purseCategoryList()->edit(); }),
        cmd("Purse category Remove", [](Panels& p) { p.purse.purseCategoryList()->remove(); }),
        cmd("Purse entry Add", [](Panels& p) { p.purse.purseEntryList()->add(); }),
        cmd("Purse entry Edit", [](Panels& p) { p.purse.purseEntryList()->edit(); }),
        cmd("Purse entry Remove", [](Panels& p) { p.purse.purseEntryList()->remove(); }),
        cmd(
            "Purse calculator stores nothing",
            [](Panels& p) {
                p.purse.purseTotalBox()->setText(u"2+3"_s);
                QTest::keyClick(p.purse.purseTotalBox(), Qt::Key_Return);
            },
            false),
        cmd("Memo Add", [](Panels& p) { p.answerMemo(true).add(); }),
        cmd("Memo Edit", [](Panels& p) { p.answerMemo(true).edit(); }),
        cmd("Memo dismissal and recurrence", [](Panels& p) { p.answerMemo(false).edit(); }),
        cmd("Memo Image", [](Panels& p) { p.memo.chooseImage(); }),
        cmd("Memo Remove", [](Panels& p) { p.memo.remove(); }),
        cmd("Notes Add", [](Panels& p) { p.notes.add(); }),
        cmd("Notes Edit", [](Panels& p) { p.notes.edit(); }),
        cmd("Notes Image", [](Panels& p) { p.notes.chooseImage(); }),
        cmd("Notes Paste",
            [](Panels& p) {
                copy(u"pasted note"_s);
                p.notes.paste();
            }),
        cmd("Notes Remove", [](Panels& p) { p.notes.remove(); }),
        cmd("Security password", [](Panels& p) { p.store.setPassword("sesame"); }),
        cmd("Security encryption",
            [](Panels&) { SettingsStore().writeNumber(SettingsStore::EncryptDVKFile, 1); }),
    };
    return all;
}

} // namespace

// Every command that changes the data is on disk within two seconds, without the command
// doing anything for it; a command that stores nothing writes nothing.
class SaveCommandsTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { SettingsStore().writeNumber(SettingsStore::EncryptDVKFile, 0); }

    void commandIsSaved_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < commands().size(); ++i)
            QTest::newRow(commands()[i].name) << i;
    }
    void commandIsSaved()
    {
        QFETCH(int, index);
        const Command& command = commands()[index];
        test::FakePrompts prompts;
        prompts.answers << Prompts::Answer::Yes; // "Remove selected Items?"
        test::SaveFixture f;
        ArchiveItem* item = f.store.archiveItems.add();
        item->name = "Giro";
        item->category = "Bank";
        item->fields.add()->name = "Web";
        item->notes.add()->text = "opened";
        PurseCategory* food = f.store.purseCategories.add();
        food->name = "Food";
        food->entries.add()->amount = 3.5;
        MemoRecord* due = f.store.memos.add();
        due->text = "due daily";
        due->dueYear -= 1;
        due->recurrence = MemoRecord::NextDay;
        f.store.notes.add()->text = "first";
        Panels panels(f.store);
        QVERIFY(panels.settled);
        f.start();

        const size_t before = StoreFingerprint::of(f.store);
        command.run(panels);
        QCOMPARE(StoreFingerprint::of(f.store) != before ||
                     command.name == QByteArrayLiteral("Security encryption"),
                 command.stores);
        QCOMPARE(f.saved->wait(2000), command.stores);
        QVERIFY(f.fileHoldsStore() || f.store.hasPassword());
    }
};

DVK_TEST(SaveCommandsTest);
#include "tst_savecommands.moc"
