// Pictures of the Memo panel with reminders in every state, its context menu and Memo Property.
#include "EmbeddedMenu.h"
#include "IconLibrary.h"
#include "MemoPanel.h"
#include "MemoPropertyDialog.h"
#include "SceneRegistry.h"

#include <QMenu>
#include <QTableView>

using namespace Qt::StringLiterals;
using dvk::shots::embedMenu;

namespace {

void setDue(dvk::MemoRecord& memo, const QDateTime& due, bool anyTime)
{
    memo.dueYear = due.date().year();
    memo.dueMonth = due.date().month();
    memo.dueDay = due.date().day();
    memo.dueHour = due.time().hour();
    memo.dueMinute = due.time().minute();
    memo.dueSecond = due.time().second();
    memo.anyTime = anyTime ? 1 : 0;
}

// Reminders around the current time: pending ones with countdowns, one due today, one overdue,
// one dismissed and a damaged one.
dvk::RecordList<dvk::MemoRecord>& sampleMemos()
{
    static dvk::RecordList<dvk::MemoRecord> memos(dvk::Clock::system());
    if (!memos.isEmpty())
        return memos;
    const QDateTime now = dvk::Clock::system().now();
    struct Sample
    {
        qint64 offset;
        bool anyTime;
        int dismissed;
        int icon;
        const char* text;
    };
    const Sample samples[] = {
        {2 * 3600 + 125, false, 0, 3, "Call the plumber about the kitchen tap"},
        {3 * 86400, true, 0, 12, "Mother's birthday"},
        {140 * 86400 + 3723, false, 0, 25, "Renew the passport"},
        {-600, false, 0, 7, "Take the medicine"},
        {-2 * 86400, true, 0, 40, "Pay the electricity bill"},
        {-86400 - 3600, false, 1, 18, "Team meeting"},
        {0, true, 0, 5, "Water the plants"},
    };
    for (const Sample& sample : samples) {
        dvk::MemoRecord* memo = memos.add();
        setDue(*memo, now.addSecs(sample.offset), sample.anyTime);
        memo->dismissed = sample.dismissed;
        memo->imageIndex = sample.icon;
        memo->text = sample.text;
        memo->beep = 1;
    }
    memos.at(1)->recurrence = dvk::MemoRecord::NextYear;
    dvk::MemoRecord* damaged = memos.add();
    damaged->dueMonth = 13;
    damaged->text = "Imported from a damaged file";
    return memos;
}

std::unique_ptr<dvk::MemoPanel> makePanel()
{
    dvk::IconLibrary::instance().load();
    auto panel = std::make_unique<dvk::MemoPanel>(sampleMemos(), dvk::Clock::system());
    panel->resize(480, 280);
    return panel;
}

DVK_SCENE({u"memo-panel"_s,
           [] {
               auto panel = makePanel();
               panel->checkAlerts();
               return std::unique_ptr<QWidget>(std::move(panel));
           },
           nullptr});

// The context menu is drawn inside the panel so that one picture shows both.
DVK_SCENE({u"memo-context-menu"_s,
           [] {
               auto panel = makePanel();
               panel->view()->selectRow(1);
               embedMenu(panel.get(), panel->makeContextMenu(), QPoint(120, 60));
               return std::unique_ptr<QWidget>(std::move(panel));
           },
           nullptr});

DVK_SCENE({u"memo-property"_s,
           [] {
               auto dialog = std::make_unique<dvk::MemoPropertyDialog>(dvk::Clock::system());
               dialog->setText(u"Call the plumber about the kitchen tap"_s);
               return std::unique_ptr<QWidget>(std::move(dialog));
           },
           nullptr});

DVK_SCENE({u"memo-property-edit"_s,
           [] {
               auto dialog = std::make_unique<dvk::MemoPropertyDialog>(dvk::Clock::system());
               dvk::MemoRecord memo(dvk::Clock::system());
               setDue(memo, dvk::Clock::system().now().addDays(20), false);
               memo.text = "Renew the car insurance";
               memo.beep = 1;
               memo.recurrence = dvk::MemoRecord::NextYear;
               dialog->loadFrom(memo);
               return std::unique_ptr<QWidget>(std::move(dialog));
           },
           nullptr});

} // namespace
