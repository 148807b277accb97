// Pictures of the main window, its navigation bar and Tools menu, and the data-file error dialog.
#include "DataFileErrorDialog.h"
#include "DataStore.h"
#include "MainWindow.h"
#include "NavigationBar.h"
#include "SceneRegistry.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// One empty store serves every main window pictured.
dvk::DataStore& store()
{
    static dvk::DataStore instance;
    return instance;
}

// The window's own parts only: each panel's place is left empty.
QWidget* blankPanels(int, QWidget* parent)
{
    return new QWidget(parent);
}

std::unique_ptr<QWidget> mainWindowWith(int entry)
{
    auto window = std::make_unique<dvk::MainWindow>(store(), blankPanels);
    window->navigationBar()->selectEntry(entry);
    return window;
}

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// The menu is a window of its own, so the picture is put together from the main window and the
// open menu at their places on screen.
std::unique_ptr<QWidget> mainWindowWithToolsMenu()
{
    dvk::MainWindow window(store(), blankPanels);
    window.move(40, 200);
    window.show();
    QApplication::processEvents();
    window.openToolsMenu();
    QApplication::processEvents();

    QMenu* menu = window.toolsMenu();
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    const QRect windowRect(QPoint(0, 0), window.size());
    const QRect menuRect(menu->pos() - origin, menu->size());
    const QRect all = windowRect.united(menuRect);
    QPixmap picture(all.size());
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawPixmap(windowRect.topLeft() - all.topLeft(), window.grab());
    painter.drawPixmap(menuRect.topLeft() - all.topLeft(), menu->grab());
    painter.end();
    menu->close();

    auto label = std::make_unique<QLabel>();
    label->setPixmap(picture);
    label->setFixedSize(picture.size());
    return label;
}

DVK_SCENE({u"main-window-archives"_s, [] { return mainWindowWith(dvk::NavigationBar::Archives); },
           nullptr});
DVK_SCENE({u"main-window-purse"_s, [] { return mainWindowWith(dvk::NavigationBar::Purse); },
           nullptr});
DVK_SCENE({u"main-window-memo"_s, [] { return mainWindowWith(dvk::NavigationBar::Memo); },
           nullptr});
DVK_SCENE({u"main-window-notes"_s, [] { return mainWindowWith(dvk::NavigationBar::Notes); },
           nullptr});
DVK_SCENE({u"main-window-memo-blinking"_s, [] { return mainWindowWith(dvk::NavigationBar::Notes); },
           [](QWidget* widget) {
               auto* window = static_cast<dvk::MainWindow*>(widget);
               window->memoAlert();
               // The first tick fills the entry; grab between the first and the second.
               wait(dvk::NavigationBar::BlinkIntervalMs + dvk::NavigationBar::BlinkIntervalMs / 4);
           }});
DVK_SCENE({u"main-window-hover"_s, [] { return mainWindowWith(dvk::NavigationBar::Archives); },
           [](QWidget* widget) {
               auto* bar = static_cast<dvk::MainWindow*>(widget)->navigationBar();
               const QPoint at = bar->entryRect(dvk::NavigationBar::Purse).center();
               QMouseEvent move(QEvent::MouseMove, at, bar->mapToGlobal(at), Qt::NoButton,
                                Qt::NoButton, Qt::NoModifier);
               QApplication::sendEvent(bar, &move);
           }});
DVK_SCENE({u"main-window-tools-menu"_s, mainWindowWithToolsMenu, nullptr});
DVK_SCENE({u"data-file-error"_s, [] { return std::make_unique<dvk::DataFileErrorDialog>(); },
           nullptr});

} // namespace
