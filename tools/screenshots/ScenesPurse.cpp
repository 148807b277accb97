// Pictures of the Purse panel: several categories with their entries and statistics, a
// selection of several entries, the total box after a calculation and after an error, and the
// two property dialogs.
#include "PurseCategoryDialog.h"
#include "PurseCategoryList.h"
#include "PurseEntryList.h"
#include "PursePanel.h"
#include "PurseRecordDialog.h"
#include "PurseSamples.h"
#include "PurseTotalBox.h"
#include "SceneRegistry.h"

#include <QApplication>
#include <QKeyEvent>

using namespace Qt::StringLiterals;

namespace {

// An expense book over three months of 2024.
dvk::RecordList<dvk::PurseCategory>& sampleBook()
{
    static dvk::RecordList<dvk::PurseCategory> book(dvk::Clock::system());
    if (!book.isEmpty())
        return book;
    addPurseSamples(book, {
                              {"Groceries", 26, 4, 23.4, "Market"},
                              {"rent", 3, 30, 720.0, "Flat, Elm Street"},
                              {"Car", 6, 15, 61.35, "Fuel"},
                              {"books", 4, 21, 18.9, "Bookshop"},
                              {"Utilities", 3, 30, 88.0, "Electricity"},
                              {"eating out", 9, 10, 31.5, "Lunch with Ann"},
                          });
    book.at(0)->entries.at(5)->note = "Birthday cake and candles";
    book.at(0)->entries.at(11)->amount = -12.0;
    book.at(0)->entries.at(11)->note = "Refund: returned bottles";
    return book;
}

std::unique_ptr<dvk::PursePanel> makePanel(QList<int> categoryRows)
{
    auto panel = std::make_unique<dvk::PursePanel>(sampleBook(), dvk::Clock::system());
    panel->resize(620, 380);
    panel->relayout();
    dvk::PurseCategoryList* categories = panel->purseCategoryList();
    for (const int row : categoryRows)
        categories->selectionModel()->select(categories->model()->index(row, 0),
                                             QItemSelectionModel::Select |
                                                 QItemSelectionModel::Rows);
    categories->settle();
    panel->purseEntryList()->refreshStatistics();
    return panel;
}

void typeIntoTotal(dvk::PurseTotalBox* box, const QString& text)
{
    box->setFocus();
    box->setText(text);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
}

DVK_SCENE({u"purse-panel"_s, [] { return std::unique_ptr<QWidget>(makePanel({2})); }, nullptr});

// Several categories summed in the total box, several entries in the statistics.
DVK_SCENE({u"purse-selection"_s,
           [] {
               auto panel = makePanel({2, 3});
               dvk::PurseEntryList* entries = panel->purseEntryList();
               for (const int row : {1, 4, 5, 9, 14, 20})
                   entries->selectionModel()->select(entries->model()->index(row, 0),
                                                     QItemSelectionModel::Select |
                                                         QItemSelectionModel::Rows);
               entries->refreshStatistics();
               return std::unique_ptr<QWidget>(std::move(panel));
           },
           nullptr});

DVK_SCENE({u"purse-total-result"_s, [] { return std::unique_ptr<QWidget>(makePanel({})); },
           [](QWidget* widget) {
               typeIntoTotal(static_cast<dvk::PursePanel*>(widget)->purseTotalBox(), u"2*(3+4)"_s);
           }});

DVK_SCENE({u"purse-total-error"_s, [] { return std::unique_ptr<QWidget>(makePanel({})); },
           [](QWidget* widget) {
               typeIntoTotal(static_cast<dvk::PursePanel*>(widget)->purseTotalBox(), u"1/"_s);
           }});

DVK_SCENE({u"purse-category-property"_s,
           [] {
               auto dialog = std::make_unique<dvk::PurseCategoryDialog>();
               dialog->setName(u"Eating out"_s);
               return std::unique_ptr<QWidget>(std::move(dialog));
           },
           nullptr});

DVK_SCENE({u"purse-record-property"_s,
           [] {
               auto dialog = std::make_unique<dvk::PurseRecordDialog>(dvk::Clock::system());
               dvk::PurseEntry entry(dvk::Clock::system());
               entry.year = 2024;
               entry.month = 3;
               entry.day = 7;
               entry.note = "Lunch with Ann";
               entry.amount = 12.5;
               dialog->loadFrom(entry);
               return std::unique_ptr<QWidget>(std::move(dialog));
           },
           nullptr});

DVK_SCENE({u"purse-record-property-new"_s,
           [] {
               return std::unique_ptr<QWidget>(
                   std::make_unique<dvk::PurseRecordDialog>(dvk::Clock::system()));
           },
           nullptr});

} // namespace
