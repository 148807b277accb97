#pragma once

#include <QObject>
#include <memory>

class QIcon;
class QMenu;
class QSystemTrayIcon;

namespace dvk {

// DVK's icon in the system tray: its tool tip counts the due reminders, a click shows the main
// window, and its menu offers "Show DVK" and "Quit DVK".
class TrayIcon final : public QObject
{
    Q_OBJECT

public:
    explicit TrayIcon(const QIcon& icon, QObject* parent = nullptr);
    ~TrayIcon() override;

    // "DVK — 2 reminders due".
    static QString toolTipFor(int dueCount);
    QString toolTip() const;
    QMenu* menu() const { return m_menu.get(); }
    // The tray's menu, its entries not yet connected.
    static std::unique_ptr<QMenu> makeMenu();
    void show();

public Q_SLOTS:
    void setDueCount(int count);

Q_SIGNALS:
    void showRequested();
    void quitRequested();

private:
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace dvk
