#pragma once

#include <QMenu>
#include <QPoint>
#include <memory>

namespace dvk::shots {

// Draws a context menu inside `host` with its top-left corner at `at` (host coordinates), above
// the host's other children, so that one picture shows both.
inline void embedMenu(QWidget* host, std::unique_ptr<QMenu> menu, const QPoint& at)
{
    QMenu* shown = menu.release();
    shown->setParent(host, Qt::Widget);
    shown->move(at);
    shown->resize(shown->sizeHint());
    shown->show();
    shown->raise();
}

} // namespace dvk::shots
