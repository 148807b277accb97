#include "SplitterPanel.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

namespace dvk {
namespace {

// Wayland gives programs no way to move the pointer; there the outline only stops.
bool canMovePointer()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

const QColor SplitterPanel::Background(128, 128, 0);

SplitterPanel::SplitterPanel(QWidget* parent)
    : PanelWidget(parent)
    , m_band(new QRubberBand(QRubberBand::Rectangle, this))
{
    setMouseTracking(true);
    m_band->hide();
}

SplitterPanel::~SplitterPanel() = default;

SplitterPanel::Bar SplitterPanel::barAt(const QPoint& pos) const
{
    if (barRect(Bar::Vertical).contains(pos))
        return Bar::Vertical;
    if (barRect(Bar::Horizontal).contains(pos))
        return Bar::Horizontal;
    return Bar::None;
}

void SplitterPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Background);
}

void SplitterPanel::mousePressEvent(QMouseEvent* event)
{
    PanelWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // A menu or another widget that holds the mouse keeps it; no drag starts under it.
    const QWidget* grabber = QWidget::mouseGrabber();
    if ((grabber && grabber != this) || QApplication::activePopupWidget())
        return;
    m_mode = barAt(event->position().toPoint());
    if (m_mode == Bar::None)
        return;
    event->accept();
    m_dragging = true;
    m_outline = barRect(m_mode);
    m_last = clampedPosition(event->position().toPoint());
    m_band->setGeometry(m_outline);
    m_band->raise();
    m_band->show();
}

void SplitterPanel::mouseMoveEvent(QMouseEvent* event)
{
    PanelWidget::mouseMoveEvent(event);
    const QPoint pos = event->position().toPoint();
    if (!m_dragging) {
        updateCursor(pos);
        return;
    }
    if (!(event->buttons() & Qt::LeftButton)) {
        // The release went elsewhere (the mouse was taken away mid-drag).
        cancelDrag();
        updateCursor(pos);
        return;
    }
    event->accept();
    const QPoint kept = clampedPosition(pos);
    if (kept != pos && canMovePointer())
        QCursor::setPos(mapToGlobal(kept));
    if (m_mode == Bar::Vertical)
        m_outline.translate(kept.x() - m_last.x(), 0);
    else
        m_outline.translate(0, kept.y() - m_last.y());
    m_last = kept;
    m_band->setGeometry(m_outline);
}

void SplitterPanel::mouseReleaseEvent(QMouseEvent* event)
{
    PanelWidget::mouseReleaseEvent(event);
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    event->accept();
    m_dragging = false;
    m_band->hide();
    dropBar(m_mode, clampedPosition(event->position().toPoint()));
    update();
}

void SplitterPanel::hideEvent(QHideEvent* event)
{
    cancelDrag();
    PanelWidget::hideEvent(event);
}

void SplitterPanel::childEvent(QChildEvent* event)
{
    // The panes would inherit a split cursor left on the panel; they tell when the mouse enters.
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    PanelWidget::childEvent(event);
}

bool SplitterPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter && !m_dragging)
        unsetCursor();
    return PanelWidget::eventFilter(watched, event);
}

void SplitterPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        cancelDrag();
    PanelWidget::changeEvent(event);
}

QPoint SplitterPanel::clampedPosition(const QPoint& pos) const
{
    QPoint kept = pos;
    if (m_mode == Bar::Vertical)
        kept.setX(PaneLayout::clampToRange(pos.x(), dragRange(Bar::Vertical)));
    else if (m_mode == Bar::Horizontal)
        kept.setY(PaneLayout::clampToRange(pos.y(), dragRange(Bar::Horizontal)));
    return kept;
}

void SplitterPanel::updateCursor(const QPoint& pos)
{
    switch (barAt(pos)) {
    case Bar::Vertical:
        setCursor(Qt::SplitHCursor);
        break;
    case Bar::Horizontal:
        setCursor(Qt::SplitVCursor);
        break;
    case Bar::None:
        unsetCursor();
        break;
    }
}

void SplitterPanel::cancelDrag()
{
    m_dragging = false;
    if (m_band)
        m_band->hide();
}

} // namespace dvk
