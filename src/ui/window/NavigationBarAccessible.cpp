#include "NavigationBarAccessible.h"

#include "NavigationBar.h"

#include <QPointer>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

// One entry of the bar; it has no widget of its own, so it answers from the bar's state.
class EntryAccessible final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    EntryAccessible(NavigationBar* bar, int index)
        : m_bar(bar)
        , m_index(index)
    {}

    bool isValid() const override { return !m_bar.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_bar ? m_bar->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_bar.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? NavigationBar::entryName(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!m_bar)
            return {};
        const QRect local = m_bar->entryRect(m_index);
        return QRect(m_bar->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!m_bar)
            return s;
        s.selectable = true;
        s.focusable = true;
        s.selected = m_bar->selected() == m_index;
        s.focused = m_bar->hasFocus() && m_bar->current() == m_index;
        s.invisible = !m_bar->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (m_bar && name == pressAction())
            m_bar->selectEntry(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<NavigationBar> m_bar;
    const int m_index;
};

QAccessibleInterface* makeInterface(const QString& className, QObject* object)
{
    if (className == u"dvk::NavigationBar"_s && object && object->isWidgetType())
        return new NavigationBarAccessible(static_cast<NavigationBar*>(object));
    return nullptr;
}

} // namespace

NavigationBarAccessible::NavigationBarAccessible(NavigationBar* bar)
    : QAccessibleWidget(bar, QAccessible::PageTabList)
{}

NavigationBarAccessible::~NavigationBarAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_children))
        QAccessible::deleteAccessibleInterface(id);
}

void NavigationBarAccessible::registerFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(&makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

NavigationBar* NavigationBarAccessible::bar() const
{
    return static_cast<NavigationBar*>(widget());
}

int NavigationBarAccessible::childCount() const
{
    return NavigationBar::EntryCount;
}

QAccessibleInterface* NavigationBarAccessible::child(int index) const
{
    if (index < 0 || index >= NavigationBar::EntryCount)
        return nullptr;
    if (const auto found = m_children.constFind(index); found != m_children.cend())
        return QAccessible::accessibleInterface(*found);
    // The accessibility registry owns the interface; the id is kept to release it later.
    auto* entry = new EntryAccessible(bar(), index);
    m_children.insert(index, QAccessible::registerAccessibleInterface(entry));
    return entry;
}

int NavigationBarAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < NavigationBar::EntryCount; ++i) {
        if (this->child(i) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface* NavigationBarAccessible::childAt(int x, int y) const
{
    return child(bar()->hitTest(bar()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* NavigationBarAccessible::focusChild() const
{
    return bar()->hasFocus() ? child(bar()->current()) : nullptr;
}

} // namespace dvk
