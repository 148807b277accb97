// Pictures for the help document: the main window with all four panels filled with sample data,
// the context menus used in the help's steps, and the dialogs those steps open.
#include "ArchiveFieldDialog.h"
#include "ArchiveFieldList.h"
#include "ArchiveItemDialog.h"
#include "ArchiveItemList.h"
#include "ArchivesPanel.h"
#include "CategoryFilterBox.h"
#include "DataStore.h"
#include "EmbeddedMenu.h"
#include "IconLibrary.h"
#include "ItemNoteList.h"
#include "MainWindow.h"
#include "MemoPanel.h"
#include "MemoPropertyDialog.h"
#include "NavigationBar.h"
#include "NotesModel.h"
#include "NotesPanel.h"
#include "PurseCategoryList.h"
#include "PurseEntryList.h"
#include "PursePanel.h"
#include "PurseSamples.h"
#include "PurseTotalBox.h"
#include "SceneRegistry.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QTableView>
#include <QTimer>
#include <vector>

using namespace Qt::StringLiterals;
using dvk::shots::embedMenu;

namespace {

// The window is pictured a little larger than its designed size so the lists show whole dates.
const QSize WindowSize(800, 470);

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void setDate(qint32& year, qint32& month, qint32& day, const QDate& date)
{
    year = date.year();
    month = date.month();
    day = date.day();
}

void addArchiveItem(dvk::DataStore& store, const char* category, const char* name,
                    std::initializer_list<std::pair<const char*, const char*>> facts,
                    std::initializer_list<std::tuple<QDate, int, const char*>> notes)
{
    dvk::ArchiveItem* item = store.archiveItems.add();
    item->category = category;
    item->name = name;
    for (const auto& [factName, value] : facts) {
        dvk::ArchiveField* field = item->fields.add();
        field->name = factName;
        field->value = value;
    }
    for (const auto& [date, icon, text] : notes) {
        dvk::NoteRecord* note = item->notes.add();
        setDate(note->year, note->month, note->day, date);
        note->imageIndex = icon;
        note->text = text;
    }
}

void fillArchives(dvk::DataStore& store)
{
    addArchiveItem(
        store, "Bank", "City Savings Bank",
        {{"Account", "12-3456-7890"},
         {"Web site", "https://www.citysavings.example.com"},
         {"Service", "service@citysavings.example.com"},
         {"Phone", "+1 555 0100"}},
        {{QDate(2024, 1, 12), 3, "Opened the savings account, card arrives by mail"},
         {QDate(2024, 2, 20), 12, "New online banking password set"},
         {QDate(2024, 3, 5), 25, "Asked about the loan for the car: 4.1 % over 5 years"}});
    addArchiveItem(store, "Bank", "Harbour Credit Union", {{"Account", "88-1200-44"}}, {});
    addArchiveItem(store, "Online banking", "Quick Pay", {{"User", "jsmith"}}, {});
    addArchiveItem(store, "Friends", "Ann Miller",
                   {{"Phone", "+1 555 0123"}, {"E-mail", "ann.miller@example.org"}}, {});
    addArchiveItem(store, "Friends", "Tom Baker", {{"Phone", "+1 555 0188"}}, {});
    addArchiveItem(store, "Doctors", "Dr. Lee", {{"Phone", "+1 555 0147"}}, {});
}

void fillPurse(dvk::DataStore& store)
{
    addPurseSamples(store.purseCategories, {
                                               {"Groceries", 22, 4, 23.4, "Market"},
                                               {"Rent", 3, 30, 720.0, "Flat, Elm Street"},
                                               {"Car", 6, 15, 61.35, "Fuel"},
                                               {"Books", 4, 21, 18.9, "Bookshop"},
                                               {"Utilities", 3, 30, 88.0, "Electricity"},
                                           });
    store.purseCategories.at(2)->entries.at(2)->note = "Oil change";
    store.purseCategories.at(2)->entries.at(2)->amount = 89.9;
}

void addMemo(dvk::DataStore& store, const QDateTime& due, bool anyTime, int icon, const char* text,
             qint32 recurrence = dvk::MemoRecord::NoRecurrence, int dismissed = 0)
{
    dvk::MemoRecord* memo = store.memos.add();
    setDate(memo->dueYear, memo->dueMonth, memo->dueDay, due.date());
    memo->dueHour = due.time().hour();
    memo->dueMinute = due.time().minute();
    memo->dueSecond = due.time().second();
    memo->anyTime = anyTime ? 1 : 0;
    memo->imageIndex = icon;
    memo->text = text;
    memo->recurrence = recurrence;
    memo->dismissed = dismissed;
    memo->beep = 1;
}

void fillMemos(dvk::DataStore& store)
{
    const QDateTime now = store.clock().now();
    const QDateTime today(now.date(), QTime(9, 0));
    addMemo(store, now.addSecs(-420), false, 7, "Take the medicine", dvk::MemoRecord::NextDay);
    addMemo(store, now.addSecs(2 * 3600 + 125), false, 3, "Call the plumber about the kitchen tap");
    addMemo(store, today.addDays(3), true, 12, "Mother's birthday", dvk::MemoRecord::NextYear);
    addMemo(store,
            QDateTime(QDate(now.date().year(), now.date().month(), 1).addMonths(1), QTime(1, 0)),
            true, 40, "Pay the rent", dvk::MemoRecord::NextMonth);
    addMemo(store, today.addDays(-2), false, 18, "Team meeting", dvk::MemoRecord::NoRecurrence, 1);
}

void fillNotes(dvk::DataStore& store)
{
    const std::pair<int, const char*> samples[] = {
        {0, "Shopping list\nmilk, bread, apples"},
        {12, "Holiday plans: book the train to Lyon"},
        {7, "Recipe for the lemon cake"},
        {25, "Wi-Fi password at the office"},
        {40, "Books to read"},
        {18, "Ideas for the garden"},
        {5, "Car service due in May"},
    };
    int day = 1;
    for (const auto& [icon, text] : samples) {
        dvk::NoteRecord* note = store.notes.add();
        note->year = 2024;
        note->month = 3;
        note->day = day;
        day += 3;
        note->imageIndex = icon;
        note->text = text;
    }
}

// A store with sample data in every panel.
std::unique_ptr<dvk::DataStore> sampleStore()
{
    auto store = std::make_unique<dvk::DataStore>();
    fillArchives(*store);
    fillPurse(*store);
    fillMemos(*store);
    fillNotes(*store);
    return store;
}

// The four panels the program shows, created the way the dvk program creates them.
QWidget* makePanel(dvk::DataStore& store, int index, QWidget* parent)
{
    switch (index) {
    case dvk::NavigationBar::Archives:
        return new dvk::ArchivesPanel(store, parent);
    case dvk::NavigationBar::Purse:
        return new dvk::PursePanel(store.purseCategories, store.clock(), parent);
    case dvk::NavigationBar::Memo: {
        auto* memo = new dvk::MemoPanel(store.memos, store.clock(), parent);
        if (auto* window = qobject_cast<dvk::MainWindow*>(parent))
            QObject::connect(memo, &dvk::MemoPanel::memoAlert, window, &dvk::MainWindow::memoAlert);
        return memo;
    }
    case dvk::NavigationBar::Notes:
        return new dvk::NotesPanel(store.notes, store.clock(), parent);
    default:
        return nullptr;
    }
}

// Every pictured window gets a store of its own, kept to the end of the run so that it outlives
// the window and its panels, which keep references into it.
dvk::DataStore& freshStore()
{
    static std::vector<std::unique_ptr<dvk::DataStore>> stores;
    stores.push_back(sampleStore());
    return *stores.back();
}

// The main window with the program's four panels working on a store of sample data.
std::unique_ptr<dvk::MainWindow> windowWith(int entry)
{
    dvk::IconLibrary::instance().load();
    dvk::DataStore& store = freshStore();
    auto window = std::make_unique<dvk::MainWindow>(
        store, [&store](int index, QWidget* parent) { return makePanel(store, index, parent); });
    window->resize(WindowSize);
    window->navigationBar()->selectEntry(entry);
    return window;
}

template <typename Panel> Panel* panelOf(QWidget* window, int entry)
{
    return static_cast<Panel*>(static_cast<dvk::MainWindow*>(window)->panel(entry));
}

// Draws `menu` inside `window` with its top-left corner at `at` of `list`'s viewport, so that
// one picture shows the list and its open context menu.
void showMenuIn(QWidget* window, QAbstractScrollArea* list, std::unique_ptr<QMenu> menu,
                const QPoint& at)
{
    embedMenu(window, std::move(menu), list->viewport()->mapTo(window, at));
}

// Chooses the category "Bank" and the item "City Savings Bank" in the Archives panel.
void showBankItem(QWidget* window)
{
    auto* panel = panelOf<dvk::ArchivesPanel>(window, dvk::NavigationBar::Archives);
    panel->categoryBox()->showText(u"Bank"_s);
    QApplication::processEvents();
    panel->itemList()->selectOnlyRow(0);
    panel->showSettledItem();
    panel->fieldList()->selectOnlyRow(1);
}

void selectPurseCategory(QWidget* window, int row)
{
    auto* panel = panelOf<dvk::PursePanel>(window, dvk::NavigationBar::Purse);
    dvk::PurseCategoryList* categories = panel->purseCategoryList();
    categories->selectionModel()->select(categories->model()->index(row, 0),
                                         QItemSelectionModel::ClearAndSelect |
                                             QItemSelectionModel::Rows);
    categories->settle();
    panel->purseEntryList()->refreshStatistics();
}

void typeIntoTotal(QWidget* window, const QString& text, bool pressEnter)
{
    dvk::PurseTotalBox* box =
        panelOf<dvk::PursePanel>(window, dvk::NavigationBar::Purse)->purseTotalBox();
    box->setFocus();
    box->setText(text);
    if (!pressEnter)
        return;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
}

const QString PastedText = u"Train times to Lyon\nMonday to Friday: 07:12, 09:40, 16:05"_s;

DVK_SCENE({u"help-archives"_s, [] { return windowWith(dvk::NavigationBar::Archives); },
           showBankItem});

DVK_SCENE({u"help-archives-item-menu"_s, [] { return windowWith(dvk::NavigationBar::Archives); },
           [](QWidget* window) {
               showBankItem(window);
               auto* list =
                   panelOf<dvk::ArchivesPanel>(window, dvk::NavigationBar::Archives)->itemList();
               showMenuIn(window, list, list->makeContextMenu(), QPoint(40, 60));
           }});

DVK_SCENE({u"help-archives-note-menu"_s, [] { return windowWith(dvk::NavigationBar::Archives); },
           [](QWidget* window) {
               QGuiApplication::clipboard()->setText(PastedText);
               showBankItem(window);
               auto* list =
                   panelOf<dvk::ArchivesPanel>(window, dvk::NavigationBar::Archives)->noteList();
               list->selectOnlyRow(0);
               showMenuIn(window, list, list->makeContextMenu(), QPoint(200, 30));
           }});

DVK_SCENE({u"help-item-property"_s,
           [] {
               return std::make_unique<dvk::ArchiveItemDialog>(
                   QStringList{u"Bank"_s, u"Doctors"_s, u"Friends"_s, u"Online banking"_s},
                   u"Friends"_s, u"Ann Miller"_s, true);
           },
           nullptr});

DVK_SCENE({u"help-basic-info"_s,
           [] {
               return std::make_unique<dvk::ArchiveFieldDialog>(
                   QStringList{u"E-mail"_s, u"Phone"_s}, u"E-mail"_s, u"ann.miller@example.org"_s);
           },
           nullptr});

DVK_SCENE({u"help-purse"_s, [] { return windowWith(dvk::NavigationBar::Purse); },
           [](QWidget* window) {
               selectPurseCategory(window, 1);
           }});

DVK_SCENE({u"help-purse-category-menu"_s, [] { return windowWith(dvk::NavigationBar::Purse); },
           [](QWidget* window) {
               auto* list =
                   panelOf<dvk::PursePanel>(window, dvk::NavigationBar::Purse)->purseCategoryList();
               showMenuIn(window, list, list->makeContextMenu(), QPoint(30, 120));
           }});

DVK_SCENE({u"help-purse-entry-menu"_s, [] { return windowWith(dvk::NavigationBar::Purse); },
           [](QWidget* window) {
               selectPurseCategory(window, 1);
               auto* list =
                   panelOf<dvk::PursePanel>(window, dvk::NavigationBar::Purse)->purseEntryList();
               showMenuIn(window, list, list->makeContextMenu(), QPoint(120, 50));
           }});

DVK_SCENE({u"help-purse-calc-typed"_s, [] { return windowWith(dvk::NavigationBar::Purse); },
           [](QWidget* window) {
               typeIntoTotal(window, u"720*12/365"_s, false);
           }});

DVK_SCENE({u"help-purse-calc-result"_s, [] { return windowWith(dvk::NavigationBar::Purse); },
           [](QWidget* window) {
               typeIntoTotal(window, u"720*12/365"_s, true);
           }});

DVK_SCENE({u"help-memo"_s, [] { return windowWith(dvk::NavigationBar::Memo); },
           [](QWidget* window) {
               panelOf<dvk::MemoPanel>(window, dvk::NavigationBar::Memo)->checkAlerts();
           }});

// The due reminder after a double-click and Cancel: dismissed, and as it recurs daily, moved to
// tomorrow with a countdown.
DVK_SCENE({u"help-memo-dismissed"_s, [] { return windowWith(dvk::NavigationBar::Memo); },
           [](QWidget* window) {
               auto* panel = panelOf<dvk::MemoPanel>(window, dvk::NavigationBar::Memo);
               panel->checkAlerts();
               panel->setDialogRunner([](dvk::MemoPropertyDialog&) { return false; });
               panel->edit();
           }});

// A reminder fell due while the Notes panel is shown: the "Memo" entry blinks.
DVK_SCENE({u"help-memo-alert"_s, [] { return windowWith(dvk::NavigationBar::Notes); },
           [](QWidget* window) {
               panelOf<dvk::MemoPanel>(window, dvk::NavigationBar::Memo)->checkAlerts();
               // The first tick fills the entry; grab between the first and the second.
               wait(dvk::NavigationBar::BlinkIntervalMs + dvk::NavigationBar::BlinkIntervalMs / 4);
           }});

DVK_SCENE({u"help-memo-property"_s,
           [] {
               auto dialog = std::make_unique<dvk::MemoPropertyDialog>(dvk::Clock::system());
               const QDate today = dvk::Clock::system().today();
               dialog->setText(u"Pay the rent"_s);
               dialog->setDate(QDate(today.year(), today.month(), 1).addMonths(1));
               dialog->setAnyTime(true);
               dialog->setBeep(true);
               dialog->setRecurrence(dvk::MemoRecord::NextMonth);
               return dialog;
           },
           nullptr});

DVK_SCENE({u"help-notes-paste-menu"_s, [] { return windowWith(dvk::NavigationBar::Notes); },
           [](QWidget* window) {
               QGuiApplication::clipboard()->setText(PastedText);
               auto* panel = panelOf<dvk::NotesPanel>(window, dvk::NavigationBar::Notes);
               showMenuIn(window, panel->listView(), panel->makeContextMenu(), QPoint(250, 170));
           }});

DVK_SCENE({u"help-notes-pasted"_s, [] { return windowWith(dvk::NavigationBar::Notes); },
           [](QWidget* window) {
               QGuiApplication::clipboard()->setText(PastedText);
               auto* panel = panelOf<dvk::NotesPanel>(window, dvk::NavigationBar::Notes);
               panel->paste();
               const QModelIndex last = panel->model()->index(panel->model()->rowCount() - 1, 0);
               panel->listView()->selectionModel()->select(last, QItemSelectionModel::Select);
           }});

} // namespace
