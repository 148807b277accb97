#include "TrayIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>

using namespace Qt::StringLiterals;

namespace dvk {

TrayIcon::TrayIcon(const QIcon& icon, QObject* parent)
    : QObject(parent)
    , m_menu(std::make_unique<QMenu>())
    , m_icon(std::make_unique<QSystemTrayIcon>(icon))
{
    connect(m_menu->addAction(u"Show DVK"_s), &QAction::triggered, this, &TrayIcon::showRequested);
    connect(m_menu->addAction(u"Quit DVK"_s), &QAction::triggered, this, &TrayIcon::quitRequested);
    m_icon->setContextMenu(m_menu.get());
    m_icon->setToolTip(toolTipFor(0));
    connect(m_icon.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    Q_EMIT showRequested();
            });
}

TrayIcon::~TrayIcon()
{
    m_icon->hide();
}

std::unique_ptr<QMenu> TrayIcon::makeMenu()
{
    auto menu = std::make_unique<QMenu>();
    menu->addAction(u"Show DVK"_s);
    menu->addAction(u"Quit DVK"_s);
    return menu;
}

QString TrayIcon::toolTipFor(int dueCount)
{
    if (dueCount <= 0)
        return u"DVK"_s;
    if (dueCount == 1)
        return u"DVK \u2014 1 reminder due"_s;
    return u"DVK \u2014 %1 reminders due"_s.arg(dueCount);
}

QString TrayIcon::toolTip() const
{
    return m_icon->toolTip();
}

void TrayIcon::show()
{
    m_icon->show();
}

void TrayIcon::setDueCount(int count)
{
    m_icon->setToolTip(toolTipFor(count));
}

} // namespace dvk
