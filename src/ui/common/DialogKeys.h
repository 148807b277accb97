#pragma once

#include <QKeyEvent>

namespace dvk {

// Return, Enter and Escape: the keys with which a QDialog closes itself. A window built on a
// dialog that must stay open, and the panes inside it, accept them instead of passing them on.
inline bool isDialogClosingKey(const QKeyEvent* event)
{
    const int key = event->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace dvk
