#pragma once

#include <QColor>
#include <QLabel>

namespace dvk {

// A one-line label that opens its target address when clicked, as links in a dialog do: its text
// is underlined, turns blue while the pointer is over it and shows the pointing hand when there
// is a target. A click counts only when the button is released over the label, so pressing,
// moving off and releasing cancels it. With the keyboard it takes the focus by Tab and opens on
// Space or Enter. The caption and the target are independent texts.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // The address to open: a URL, or anything QUrl::fromUserInput understands.
    void setTarget(const QString& target);
    QString target() const { return m_target; }

    bool isHovered() const { return m_hover; }

    // Called on a completed click; opens the target through OpenUrl. A derived label may open
    // something else.
    virtual void openTarget();

    static const QColor NormalColor;
    static const QColor HoverColor;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setHovered(bool hover);
    void showCursor(bool inside);

    QString m_target;
    bool m_hover = false;
    bool m_pressed = false;
};

} // namespace dvk
