#pragma once

#include <QAbstractItemView>
#include <QAction>
#include <QMenu>
#include <memory>

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

// The commands of a list: a right click in `view` shows the menu `makeMenu` builds at that moment,
// and a double-click runs `edit` once the click is over (a dialog opened inside the click would
// get its release).
template <class Receiver>
void connectListCommands(QAbstractItemView* view, Receiver* receiver,
                         std::unique_ptr<QMenu> (Receiver::*makeMenu)(), void (Receiver::*edit)())
{
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, receiver,
                     [view, receiver, makeMenu](const QPoint& pos) {
                         const std::unique_ptr<QMenu> menu = (receiver->*makeMenu)();
                         menu->exec(view->viewport()->mapToGlobal(pos));
                     });
    QObject::connect(view, &QAbstractItemView::doubleClicked, receiver, [receiver, edit] {
        QMetaObject::invokeMethod(receiver, edit, Qt::QueuedConnection);
    });
}

} // namespace dvk
