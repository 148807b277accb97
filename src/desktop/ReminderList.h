#pragma once

#include "Records.h"

namespace dvk {

// What the reminder notifier asks of the list that shows the memos: whether a memo still
// exists, and the answers to a notification's actions. The Memo panel provides it in the
// program; tests give their own.
class ReminderList
{
public:
    virtual ~ReminderList() = default;
    // Whether `memo` is still one of the list's memos (it may have been removed meanwhile).
    virtual bool holds(const MemoRecord* memo) const = 0;
    // Shows the window on the memo list with `memo` selected; just the list when null.
    virtual void open(MemoRecord* memo) = 0;
    // Does what closing the memo's property dialog with Cancel does, and stops the beep.
    virtual void dismiss(MemoRecord& memo) = 0;
    // The memo is snoozed: its beep stops now.
    virtual void silence(MemoRecord& memo) = 0;
};

} // namespace dvk
