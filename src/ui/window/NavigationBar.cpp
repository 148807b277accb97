#include "NavigationBar.h"

#include "NavigationBarAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <qdrawutil.h>

using namespace Qt::StringLiterals;

namespace dvk {

const QColor NavigationBar::BackgroundColor(128, 128, 128);
const QColor NavigationBar::BlinkColor(0, 0, 128);
const QColor NavigationBar::SelectedTextColor(255, 255, 0);
const QColor NavigationBar::TextColor(255, 255, 255);

namespace {

// The frames are drawn in the classic three-dimensional colours, which stand out on the bar's
// fixed grey whatever the desktop's colours are.
QPalette edgePalette()
{
    QPalette palette;
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Midlight, QColor(192, 192, 192));
    palette.setColor(QPalette::Button, QColor(192, 192, 192));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Shadow, QColor(0, 0, 0));
    return palette;
}

} // namespace

QString NavigationBar::entryName(int index)
{
    switch (index) {
    case Archives:
        return u"Archives"_s;
    case Purse:
        return u"Purse"_s;
    case Memo:
        return u"Memo"_s;
    case Notes:
        return u"Notes"_s;
    default:
        return {};
    }
}

QRect NavigationBar::entryRect(const QRect& client, int index)
{
    if (index < 0 || index >= EntryCount)
        return {};
    // 70 % of the inner width, rounded to the nearest pixel.
    const int inner = std::max(0, client.width() - 2);
    const int side = (inner * 560 + 400) / 800;
    const int top = client.top() + 1 + index * (side + 1);
    return QRect(client.left() + 1, top, inner, side);
}

int NavigationBar::hitTest(const QRect& client, const QPoint& point)
{
    for (int i = 0; i < EntryCount; ++i) {
        if (entryRect(client, i).contains(point))
            return i;
    }
    return -1;
}

NavigationBar::NavigationBar(QWidget* parent)
    : QWidget(parent)
{
    NavigationBarAccessible::registerFactory();
    setMouseTracking(true);
    // Reachable with Tab; a click selects an entry without taking the focus from a panel.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(u"Panels"_s);
    m_blinkTimer.setInterval(BlinkIntervalMs);
    connect(&m_blinkTimer, &QTimer::timeout, this, &NavigationBar::blinkTick);
}

void NavigationBar::setIcons(const std::array<QIcon, EntryCount>& icons)
{
    m_icons = icons;
    update();
}

QIcon NavigationBar::icon(int index) const
{
    if (index < 0 || index >= EntryCount)
        return {};
    if (!m_icons[index].isNull())
        return m_icons[index];
    static constexpr QStyle::StandardPixmap fallback[EntryCount] = {
        QStyle::SP_DirIcon, QStyle::SP_FileDialogDetailedView, QStyle::SP_MessageBoxInformation,
        QStyle::SP_FileIcon};
    return style()->standardIcon(fallback[index], nullptr, this);
}

bool NavigationBar::isEntryFilled(int index) const
{
    return index >= 0 && index == m_blinkTarget && (m_blinkCount % 2) == 1;
}

QSize NavigationBar::sizeHint() const
{
    const int width = 95;
    return {width, entryRect(QRect(0, 0, width, 0), EntryCount - 1).bottom() + 2};
}

void NavigationBar::memoAlert()
{
    if (m_selected == Memo)
        return;
    m_blinkTarget = Memo;
    m_blinkCount = 0;
    if (!m_blinkTimer.isActive())
        m_blinkTimer.start();
}

void NavigationBar::blinkTick()
{
    if (m_blinkTarget < 0) {
        m_blinkTimer.stop();
        return;
    }
    repaintEntry(m_blinkTarget);
    ++m_blinkCount;
}

QSize NavigationBar::iconSize() const
{
    const int side = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    return {side, side};
}

void NavigationBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), BackgroundColor);
    painter.setFont(font());
    for (int i = 0; i < EntryCount; ++i)
        paintEntry(painter, i);
}

void NavigationBar::paintEntry(QPainter& painter, int index) const
{
    const QRect entry = entryRect(index);
    const QFontMetrics metrics(font());
    const QString name = entryName(index);
    const QSize iconSize = this->iconSize();
    const int textHeight = metrics.height();
    const int textWidth = metrics.horizontalAdvance(name);
    const int gap = (entry.height() - textHeight - iconSize.height()) / 3;
    const int iconTop = entry.top() + gap;

    if (isEntryFilled(index))
        painter.fillRect(entry, BlinkColor);

    const QPixmap pixmap = icon(index).pixmap(iconSize, devicePixelRatio());
    painter.drawPixmap(QRect(QPoint((entry.width() - iconSize.width()) / 2, iconTop), iconSize),
                       pixmap);

    painter.setPen(index == m_selected ? SelectedTextColor : TextColor);
    const QRect textRect((entry.width() - textWidth) / 2, iconTop + iconSize.height() + gap,
                         textWidth, textHeight);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);

    static const QPalette edges = edgePalette();
    if (index == m_selected)
        qDrawWinPanel(&painter, entry, edges, true);
    else if (index == m_hot)
        qDrawWinPanel(&painter, entry, edges, false);

    if (index == m_current && hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = entry.adjusted(3, 3, -3, -3);
        option.backgroundColor = BackgroundColor;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void NavigationBar::repaintEntry(int index)
{
    if (index >= 0 && index < EntryCount)
        update(entryRect(index));
}

void NavigationBar::selectEntry(int index)
{
    if (index < 0 || index >= EntryCount || index == m_selected)
        return;
    repaintEntry(m_selected);
    m_selected = index;
    repaintEntry(m_selected);
    // The blink timer stops itself at its next tick.
    if (index == m_blinkTarget)
        m_blinkTarget = -1;
    setCurrent(index);
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::Selection);
        event.setChild(index);
        QAccessible::updateAccessibility(&event);
    }
    Q_EMIT selectionChanged(index);
}

void NavigationBar::setHot(int index)
{
    if (index == m_hot)
        return;
    repaintEntry(m_hot);
    m_hot = index;
    repaintEntry(m_hot);
}

void NavigationBar::setCurrent(int index)
{
    if (index == m_current)
        return;
    repaintEntry(m_current);
    m_current = index;
    repaintEntry(m_current);
    if (hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(index);
        QAccessible::updateAccessibility(&event);
    }
}

void NavigationBar::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        selectEntry(hitTest(event->position().toPoint()));
}

void NavigationBar::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    setHot(hitTest(event->position().toPoint()));
}

void NavigationBar::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    setHot(-1);
}

void NavigationBar::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        setCurrent(std::max(0, m_current - 1));
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        setCurrent(std::min(EntryCount - 1, m_current + 1));
        break;
    case Qt::Key_Home:
        setCurrent(0);
        break;
    case Qt::Key_End:
        setCurrent(EntryCount - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        selectEntry(m_current);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void NavigationBar::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    repaintEntry(m_current);
}

void NavigationBar::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    // The keyboard position starts from the selection again next time.
    repaintEntry(m_current);
    m_current = m_selected;
}

} // namespace dvk
