#pragma once

#include <QIcon>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>

namespace dvk {

// The column of four large entries on the left of the main window ("Archives", "Purse", "Memo",
// "Notes"). It paints the entries itself, frames the entry under the mouse, tells the main window
// when the user picks another entry (by mouse or keyboard) and can make the "Memo" entry blink to
// draw attention to due reminders.
class NavigationBar final : public QWidget
{
    Q_OBJECT

public:
    enum Entry
    {
        Archives = 0,
        Purse = 1,
        Memo = 2,
        Notes = 3
    };
    static constexpr int EntryCount = 4;
    static constexpr int BlinkIntervalMs = 500;

    static const QColor BackgroundColor;
    static const QColor BlinkColor;
    static const QColor SelectedTextColor;
    static const QColor TextColor;

    // The entry names shown in the bar, in index order.
    static QString entryName(int index);

    // The rectangle of entry `index` inside a bar whose client area is `client`: as high as 70 %
    // of the inner width, one pixel apart and one pixel in from the edges. Null for an index
    // outside 0 to 3.
    static QRect entryRect(const QRect& client, int index);
    // The first entry containing `point`, or -1.
    static int hitTest(const QRect& client, const QPoint& point);

    explicit NavigationBar(QWidget* parent = nullptr);

    // Entry icons, in index order; an entry without one shows a standard icon of the style.
    void setIcons(const std::array<QIcon, EntryCount>& icons);
    QIcon icon(int index) const;

    QRect entryRect(int index) const { return entryRect(rect(), index); }
    int hitTest(const QPoint& point) const { return hitTest(rect(), point); }

    int selected() const { return m_selected; }
    // The entry under the mouse, or -1.
    int hot() const { return m_hot; }
    // The entry the keyboard is on; Enter or Space selects it.
    int current() const { return m_current; }
    bool isBlinking() const { return m_blinkTimer.isActive(); }
    // True while the blinking entry is drawn filled.
    bool isEntryFilled(int index) const;

    QSize sizeHint() const override;

    // Selects entry `index` as a click on it does: nothing happens for the selected entry or an
    // index outside 0 to 3.
    void selectEntry(int index);

public Q_SLOTS:
    // Makes the "Memo" entry blink until the user selects it; does nothing while it is selected.
    // Calling it again while blinking restarts the count without a second timer.
    void memoAlert();

Q_SIGNALS:
    // The user selected another entry.
    void selectionChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void blinkTick();
    void setHot(int index);
    void setCurrent(int index);
    void repaintEntry(int index);
    void paintEntry(QPainter& painter, int index) const;
    QSize iconSize() const;

    std::array<QIcon, EntryCount> m_icons;
    QTimer m_blinkTimer;
    int m_selected = Archives;
    int m_hot = -1;
    int m_current = Archives;
    int m_blinkTarget = -1;
    int m_blinkCount = 0;
};

} // namespace dvk
