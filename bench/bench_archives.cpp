// Times of the Archives panel at scale: 100,000 items in 500 categories, the filter applied to
// one category and to all items, and an item with 1,000 facts and 1,000 notes shown in the
// detail lists, each including the repaint of the lists. Prints figures; asserts nothing.
#include "ArchiveFieldList.h"
#include "ArchiveItemList.h"
#include "ArchivesPanel.h"
#include "BenchTiming.h"
#include "CategoryFilterBox.h"
#include "DataStore.h"
#include "IconLibrary.h"
#include "ItemNoteList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>

using namespace dvk;
using namespace dvk::bench;
using namespace Qt::StringLiterals;

namespace {

constexpr int ItemCount = 100'000;
constexpr int CategoryCount = 500;
constexpr int Runs = 5;

QByteArray randomName(QRandomGenerator& random)
{
    static const char* const words[] = {"Giro",   "savings", "Broker", "insurance", "Car",
                                        "flat",   "Doctor",  "tax",    "Passport",  "phone",
                                        "Garden", "school",  "Club",   "account",   "Ärzte"};
    QByteArray name;
    for (int i = 0; i < 3; ++i) {
        name += words[random.bounded(15)];
        name += ' ';
    }
    return name + QByteArray::number(random.bounded(100000));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    IconLibrary::instance().load();

    DataStore store;
    QRandomGenerator random(2026);
    for (int i = 0; i < ItemCount; ++i) {
        ArchiveItem* item = store.archiveItems.add();
        item->name = randomName(random);
        item->category =
            "Category " + QByteArray::number(random.bounded(CategoryCount)).rightJustified(3, '0');
    }
    // The last item: the existence check walks the whole list to find it.
    ArchiveItem* big = store.archiveItems.at(ItemCount - 1);
    for (int i = 0; i < 1000; ++i) {
        ArchiveField* field = big->fields.add();
        field->name = "Fact " + QByteArray::number(i % 40);
        field->value = i % 3 == 0 ? "https://example.com/" + QByteArray::number(i)
                                  : "value " + QByteArray::number(i);
        NoteRecord* note = big->notes.add();
        note->year = 2000 + random.bounded(25);
        note->month = 1 + random.bounded(12);
        note->day = 1 + random.bounded(28);
        note->text = "A note about the item\r\nwith a second line " + QByteArray::number(i);
    }

    QElapsedTimer timer;
    timer.start();
    ArchivesPanel panel(store);
    panel.resize(900, 600);
    panel.show();
    QCoreApplication::processEvents();
    std::printf("panel created (categories collected):     %8.1f ms\n", timer.nsecsElapsed() / 1e6);

    ArchiveItemList* items = panel.itemList();
    const double one = bestMilliseconds(Runs, [&] {
        items->applyFilter(u"Category 123"_s);
        items->repaint();
    });
    std::printf("filter of one category (%6d rows):       %8.1f ms\n", items->model()->rowCount(),
                one);
    const double some = bestMilliseconds(Runs, [&] {
        items->applyFilter(u"category 12"_s);
        items->repaint();
    });
    std::printf("filter of 11 categories (%6d rows):      %8.1f ms\n", items->model()->rowCount(),
                some);
    const double all = bestMilliseconds(Runs, [&] {
        items->applyFilter(QString());
        items->repaint();
    });
    std::printf("empty filter, all items (%6d rows):      %8.1f ms\n", items->model()->rowCount(),
                all);

    const double shown = bestMilliseconds(Runs, [&] {
        panel.fieldList()->showItem(nullptr);
        panel.noteList()->showItem(nullptr);
        panel.fieldList()->showItem(big);
        panel.noteList()->showItem(big);
        panel.fieldList()->repaint();
        panel.noteList()->repaint();
    });
    std::printf("item with 1,000 facts and 1,000 notes:    %8.1f ms\n", shown);

    const double command = bestMilliseconds(Runs, [&] { panel.fieldList()->validItem(); });
    std::printf("existence check of the shown item:        %8.3f ms\n", command);
    return 0;
}
