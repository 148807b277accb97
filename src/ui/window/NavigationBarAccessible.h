#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace dvk {

class NavigationBar;

// Tells screen readers about the navigation bar: a tab list whose four entries carry their
// names, their place on screen, which one is selected and which one has the keyboard, and
// can be pressed.
class NavigationBarAccessible final : public QAccessibleWidget
{
public:
    explicit NavigationBarAccessible(NavigationBar* bar);
    ~NavigationBarAccessible() override;

    // Installs the accessibility factory for NavigationBar once per process.
    static void registerFactory();

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    NavigationBar* bar() const;

    mutable QHash<int, QAccessible::Id> m_children;
};

} // namespace dvk
