#pragma once

#include "Clock.h"
#include "Records.h"

#include <QHash>
#include <QObject>
#include <functional>
#include <vector>

namespace dvk {

class NotificationService;
class ReminderList;

// Tells the desktop about reminders. After every alert check of the memo list it is given the
// memos that alert; a memo that has just started alerting gets one notification with the
// actions Open, Snooze and Dismiss, and is not notified again while it keeps alerting. When more
// than three start at once, three are shown and one more notification counts the rest.
//
// Snoozing silences a memo for a number of minutes in this run only: the memo list asks
// isSnoozed() and leaves such a memo out of its alert check (no selection, beep or blink), and
// when the snooze ends the memo alerts, and is notified, again. Editing or dismissing a memo
// ends its snooze, because the snooze belongs to the due moment it was given for.
class ReminderNotifier final : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultSnoozeMinutes = 10;

    static const QString ActionDefault;
    static const QString ActionSnooze;
    static const QString ActionDismiss;

    // The due time text of a memo, as the memo list shows it.
    using TimeText = std::function<QString(const MemoRecord&)>;

    ReminderNotifier(NotificationService& service, ReminderList& list, const Clock& clock,
                     TimeText timeText, QObject* parent = nullptr);
    ~ReminderNotifier() override;

    // Without notifications everything else (snoozes, the count) still works.
    void setNotificationsEnabled(bool enabled) { m_enabled = enabled; }
    bool notificationsEnabled() const { return m_enabled; }
    void setSnoozeMinutes(int minutes);
    int snoozeMinutes() const { return m_snoozeMinutes; }

    // The memos the alert check found alerting, snoozed ones left out, in list order.
    void alertsChecked(const std::vector<MemoRecord*>& alerting);
    bool isSnoozed(const MemoRecord& memo) const;
    // How many memos alerted at the last check.
    int alertingCount() const { return int(m_alerting.size()); }

    // The texts of a notification for `memo`.
    QString summaryOf(const MemoRecord& memo) const;
    static QString bodyOf(const MemoRecord& memo);
    // The text of the notification that stands for `count` further memos.
    static QString moreText(int count);

Q_SIGNALS:
    void alertingCountChanged(int count);

private:
    void actionInvoked(quint64 key, const QString& action);
    quint64 keyOf(const MemoRecord* memo);
    void notify(const MemoRecord& memo);
    qint64 now() const;

    struct Snooze
    {
        qint64 dueMoment;
        qint64 until;
    };

    NotificationService& m_service;
    ReminderList& m_list;
    const Clock& m_clock;
    TimeText m_timeText;
    bool m_enabled = true;
    int m_snoozeMinutes = DefaultSnoozeMinutes;
    // Memos alerting at the last check, with the due moment they alert for.
    QHash<const MemoRecord*, qint64> m_alerting;
    QHash<const MemoRecord*, Snooze> m_snoozed;
    QHash<const MemoRecord*, quint64> m_keyOfMemo;
    QHash<quint64, MemoRecord*> m_memoOfKey;
    quint64 m_nextKey;
};

} // namespace dvk
