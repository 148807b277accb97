#include "ReminderNotifier.h"

#include "MemoSchedule.h"
#include "NotificationService.h"
#include "ReminderList.h"

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

constexpr int MaxShownAtOnce = 3;

// The notification that counts the memos not shown one by one; memo keys follow it.
constexpr quint64 MoreKey = 1;

} // namespace

const QString ReminderNotifier::ActionDefault = u"default"_s;
const QString ReminderNotifier::ActionSnooze = u"snooze"_s;
const QString ReminderNotifier::ActionDismiss = u"dismiss"_s;

ReminderNotifier::ReminderNotifier(NotificationService& service, ReminderList& list,
                                   const Clock& clock, TimeText timeText, QObject* parent)
    : QObject(parent)
    , m_service(service)
    , m_list(list)
    , m_clock(clock)
    , m_timeText(std::move(timeText))
    , m_nextKey(MoreKey + 1)
{
    connect(&m_service, &NotificationService::actionInvoked, this,
            &ReminderNotifier::actionInvoked);
}

ReminderNotifier::~ReminderNotifier() = default;

void ReminderNotifier::setSnoozeMinutes(int minutes)
{
    m_snoozeMinutes = std::clamp(minutes, 1, 1440);
}

qint64 ReminderNotifier::now() const
{
    return MemoSchedule::momentOf(m_clock.now());
}

QString ReminderNotifier::summaryOf(const MemoRecord& memo) const
{
    return u"Reminder \u2014 "_s + (m_timeText ? m_timeText(memo) : QString());
}

QString ReminderNotifier::bodyOf(const MemoRecord& memo)
{
    return QString::fromLocal8Bit(memo.text);
}

QString ReminderNotifier::moreText(int count)
{
    if (count == 1)
        return u"1 more reminder is due"_s;
    return u"%1 more reminders are due"_s.arg(count);
}

quint64 ReminderNotifier::keyOf(const MemoRecord* memo)
{
    const auto found = m_keyOfMemo.constFind(memo);
    if (found != m_keyOfMemo.constEnd())
        return *found;
    const quint64 key = m_nextKey++;
    m_keyOfMemo.insert(memo, key);
    m_memoOfKey.insert(key, const_cast<MemoRecord*>(memo));
    return key;
}

void ReminderNotifier::notify(const MemoRecord& memo)
{
    m_service.show(
        keyOf(&memo), summaryOf(memo), bodyOf(memo),
        {ActionDefault, u"Open"_s, ActionSnooze, u"Snooze"_s, ActionDismiss, u"Dismiss"_s});
}

void ReminderNotifier::alertsChecked(const std::vector<MemoRecord*>& alerting)
{
    const int before = alertingCount();
    QHash<const MemoRecord*, qint64> next;
    next.reserve(qsizetype(alerting.size()));
    std::vector<const MemoRecord*> started;
    for (const MemoRecord* memo : alerting) {
        const qint64 due = MemoSchedule::sortKey(*memo);
        const auto found = m_alerting.constFind(memo);
        if (found == m_alerting.constEnd() || *found != due)
            started.push_back(memo);
        next.insert(memo, due);
    }
    // A memo that stopped alerting (opened in the list, edited, removed) takes its notification
    // with it. Its pointer may dangle by now: only the keys are used.
    for (auto it = m_alerting.constBegin(); it != m_alerting.constEnd(); ++it) {
        if (next.contains(it.key()) || m_snoozed.contains(it.key()))
            continue;
        // Memos never notified (notifications off) have no key.
        if (const quint64 key = m_keyOfMemo.take(it.key()); key != 0) {
            m_memoOfKey.remove(key);
            m_service.close(key);
        }
    }
    m_alerting.swap(next);

    const qint64 current = now();
    for (auto it = m_snoozed.begin(); it != m_snoozed.end();) {
        if (it->until <= current) {
            if (!m_alerting.contains(it.key()))
                m_memoOfKey.remove(m_keyOfMemo.take(it.key()));
            it = m_snoozed.erase(it);
        } else
            ++it;
    }

    if (m_enabled && !started.empty()) {
        const size_t shown = std::min(started.size(), size_t(MaxShownAtOnce));
        for (size_t i = 0; i < shown; ++i)
            notify(*started[i]);
        if (started.size() > shown)
            m_service.show(MoreKey, moreText(int(started.size() - shown)), QString(),
                           {ActionDefault, u"Open"_s});
    }
    if (alertingCount() != before)
        Q_EMIT alertingCountChanged(alertingCount());
}

bool ReminderNotifier::isSnoozed(const MemoRecord& memo) const
{
    if (m_snoozed.isEmpty())
        return false;
    const auto found = m_snoozed.constFind(&memo);
    return found != m_snoozed.constEnd() && found->dueMoment == MemoSchedule::sortKey(memo) &&
           now() < found->until;
}

void ReminderNotifier::actionInvoked(quint64 key, const QString& action)
{
    MemoRecord* memo = m_memoOfKey.value(key, nullptr);
    if (memo && !m_list.holds(memo))
        memo = nullptr;
    if (action == ActionDefault) {
        m_list.open(memo);
        return;
    }
    if (!memo)
        return;
    if (action == ActionDismiss) {
        m_list.dismiss(*memo);
        m_service.close(key);
    } else if (action == ActionSnooze) {
        m_snoozed.insert(memo,
                         {MemoSchedule::sortKey(*memo), now() + qint64(m_snoozeMinutes) * 60});
        m_alerting.remove(memo);
        m_service.close(key);
        m_list.silence(*memo);
        Q_EMIT alertingCountChanged(alertingCount());
    }
}

} // namespace dvk
