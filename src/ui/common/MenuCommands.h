#pragma once

#include <QAction>
#include <QMenu>

namespace dvk {

// Adds an entry to a context menu that runs `slot` of `receiver` when chosen; a disabled entry
// shows greyed out.
template <class Receiver, class Slot>
QAction* addCommand(QMenu& menu, const QString& text, Receiver* receiver, Slot slot,
                    bool enabled = true)
{
    QAction* action = menu.addAction(text);
    action->setEnabled(enabled);
    QObject::connect(action, &QAction::triggered, receiver, slot);
    return action;
}

} // namespace dvk
