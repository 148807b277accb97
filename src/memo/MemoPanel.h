#pragma once

#include "DialogUnits.h"
#include "IconChoice.h"
#include "MemoListModel.h"
#include "MemoSchedule.h"
#include "PanelWidget.h"
#include "RecordList.h"
#include "TonePlayer.h"

#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QMenu;
class QTableView;

namespace dvk {

class MemoPropertyDialog;

// The Memo panel: one list of every reminder with its due time, a live status and its text,
// sorted by due moment. Every ten seconds, whichever panel is shown, it runs the alert check:
// due reminders are selected, memoAlert() tells the main window to make the navigation bar blink,
// and reminders that ask for it beep once a second until a key or mouse button is pressed in the
// list. Add, Edit, Image and Remove work on the data store's memos in place.
class MemoPanel final : public PanelWidget
{
    Q_OBJECT

public:
    static constexpr int RefreshMilliseconds = 10'000;
    static constexpr int BeepMilliseconds = 1'000;

    // Runs a property dialog modally; true when it ended with OK.
    using DialogRunner = std::function<bool(MemoPropertyDialog&)>;
    // Memos for which it is true are left out of the alert check for now (a snoozed reminder).
    using SilenceFilter = std::function<bool(const MemoRecord&)>;

    MemoPanel(RecordList<MemoRecord>& memos, const Clock& clock, QWidget* parent = nullptr);
    ~MemoPanel() override;

    // Time, Status and Note widths for a list whose client area is `width` pixels wide, in the
    // font `units` measure.
    static std::array<int, 3> columnWidths(int width, const DialogUnits& units);

    QTableView* view() const { return m_view; }
    MemoListModel* model() const { return m_model; }
    bool isBeeping() const { return m_beepTimer.isActive(); }
    void setDialogRunner(DialogRunner runner);
    void setIconChooser(IconChooser chooser);
    void setSilenceFilter(SilenceFilter filter);
    // Whether `memo` is still one of the list's rows.
    bool holds(const MemoRecord* memo) const;
    // Makes `memo` the only selected row and scrolls to it.
    void selectMemo(const MemoRecord* memo);
    // Selects memo `index` of the store alone and scrolls to it; false for an index outside it.
    bool showMemo(int index);
    // What Cancel in the memo's property dialog does, and the beep stops; false when the memo
    // is no longer in the list.
    bool dismissMemo(MemoRecord* memo);
    void stopBeep() { m_beepTimer.stop(); }
    // The "Time" column's text of `memo`.
    QString timeText(const MemoRecord& memo) const { return m_schedule.timeText(memo); }
    // The context menu, its entries enabled for the current selection.
    std::unique_ptr<QMenu> makeContextMenu();

public Q_SLOTS:
    void add();
    void edit();
    void chooseImage();
    void remove();
    void checkAlerts();

Q_SIGNALS:
    // Reminders are due: the main window makes the Memo entry of the navigation bar blink.
    void memoAlert();
    // After every alert check: the memos that alert now, in row order (possibly none).
    void alertsChecked(const std::vector<MemoRecord*>& alerting);

protected:
    void layoutPanes() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void beepTick();
    // The selected rows in ascending order, and the first of them (-1 without one).
    QList<int> selectedRows() const;
    int firstSelectedRow() const;
    void selectOnly(const MemoRecord* memo);
    void applyColumnWidths();

    RecordList<MemoRecord>& m_memos;
    const Clock& m_clock;
    MemoSchedule m_schedule;
    MemoListModel* m_model;
    QTableView* m_view;
    QTimer m_refreshTimer;
    QTimer m_beepTimer;
    TonePlayer m_tone;
    DialogRunner m_runDialog;
    IconChooser m_chooseIcon;
    SilenceFilter m_silenced;
};

} // namespace dvk
