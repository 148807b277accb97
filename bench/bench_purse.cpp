// The Purse panel at scale: showing a category of 100,000 entries (fill, sort, statistics), a
// statistics refresh over all rows, one calculator evaluation and the calculator engine's start.
// Prints figures; asserts nothing.
#include "BenchTiming.h"
#include "Clock.h"
#include "PurseCategoryList.h"
#include "PurseEntryList.h"
#include "PursePanel.h"
#include "PurseStatsList.h"
#include "ScriptEvaluator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>

using namespace dvk;
using namespace dvk::bench;

namespace {

constexpr int EntryCount = 100'000;

void fillCategory(PurseCategory& category)
{
    QRandomGenerator random(2026);
    const QDate first(2015, 1, 1);
    for (int i = 0; i < EntryCount; ++i) {
        PurseEntry* entry = category.entries.add();
        const QDate date = first.addDays(random.bounded(3650));
        entry->year = date.year();
        entry->month = date.month();
        entry->day = date.day();
        entry->note = "groceries " + QByteArray::number(i);
        entry->amount = random.bounded(100000) / 100.0;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const auto startEngine = [] {
        ScriptEvaluator evaluator;
        evaluator.start();
    };
    const double firstEngineStart = bestMilliseconds(1, startEngine);
    const double engineStart = bestMilliseconds(5, startEngine);

    RecordList<PurseCategory> categories(Clock::system());
    PurseCategory* big = categories.add();
    big->name = "Household";
    fillCategory(*big);
    categories.add()->name = "Car";

    PursePanel panel(categories, Clock::system());
    panel.resize(800, 600);
    panel.show();
    QCoreApplication::processEvents();
    PurseEntryList& entries = *panel.purseEntryList();

    const double show = bestMilliseconds(5, [&entries, big] {
        entries.showCategory(big);
        entries.refreshStatistics();
    });
    const double showAndPaint = bestMilliseconds(3, [&entries, &panel, big] {
        entries.showCategory(big);
        entries.refreshStatistics();
        panel.grab();
    });

    const double refreshNone = bestMilliseconds(10, [&entries] { entries.refreshStatistics(); });
    entries.selectAll();
    const double refreshAll = bestMilliseconds(10, [&entries] { entries.refreshStatistics(); });
    const double reverse = bestMilliseconds(5, [&entries] { entries.reverseOrder(); });

    ScriptEvaluator evaluator;
    evaluator.start();
    evaluator.evaluate(QStringLiteral("1"));
    const double evaluate =
        bestMilliseconds(50, [&evaluator] { evaluator.evaluate(QStringLiteral("2*(3+4)/7")); });

    std::printf("Purse panel, one category of %d entries (best of several runs)\n", EntryCount);
    std::printf("  show category (fill, sort, statistics): %8.2f ms  (target < 150)\n", show);
    std::printf("  the same and paint the panel:           %8.2f ms\n", showAndPaint);
    std::printf("  statistics refresh, no selection:       %8.2f ms  (target < 20)\n", refreshNone);
    std::printf("  statistics refresh, all rows selected:  %8.2f ms  (target < 20)\n", refreshAll);
    std::printf("  Reverse Order with all rows selected:   %8.2f ms\n", reverse);
    std::printf("  calculator evaluation:                  %8.3f ms  (target < 1)\n", evaluate);
    std::printf("  calculator engine start, first / best:  %8.2f / %.2f ms  (target < 100)\n",
                firstEngineStart, engineStart);
    return 0;
}
