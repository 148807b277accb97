#include "LinkLabel.h"

#include "OpenLink.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace dvk {

const QColor LinkLabel::NormalColor = QColor(0, 0, 0);
const QColor LinkLabel::HoverColor = QColor(0, 0, 255);

LinkLabel::LinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    // Only the underline is set here; everything else of the font follows the parent's.
    QFont underlined;
    underlined.setUnderline(true);
    setFont(underlined);

    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::TabFocus);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    colours.setColor(QPalette::WindowText, NormalColor);
    setPalette(colours);
    showCursor(false);
}

void LinkLabel::setTarget(const QString& target)
{
    m_target = target;
    showCursor(true);
}

void LinkLabel::openTarget()
{
    if (!m_target.isEmpty())
        OpenUrl(QUrl::fromUserInput(m_target));
}

void LinkLabel::setHovered(bool hover)
{
    if (hover == m_hover)
        return;
    m_hover = hover;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, hover ? HoverColor : NormalColor);
    setPalette(colours);
}

// The hand while the pointer is inside the label and there is something to open, else the arrow.
void LinkLabel::showCursor(bool inside)
{
    setCursor(inside && !m_target.isEmpty() ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void LinkLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    setHovered(true);
}

void LinkLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    if (!m_pressed)
        setHovered(false);
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    if (m_pressed) {
        const bool inside = rect().contains(event->position().toPoint());
        showCursor(inside);
        setHovered(inside);
    }
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        // Taken here, so the label keeps the mouse until the button is released.
        event->accept();
        m_pressed = true;
    }
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    const bool inside = rect().contains(event->position().toPoint());
    showCursor(true);
    setHovered(inside);
    if (inside)
        openTarget();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        openTarget();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace dvk
