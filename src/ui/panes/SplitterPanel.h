#pragma once

#include "PaneLayout.h"
#include "PanelWidget.h"

#include <QPointer>
#include <memory>
#include <utility>

class QRubberBand;

namespace dvk {

// A panel whose panes are separated by splitter bars: the 2-pixel gaps between them, painted in
// the panel's olive background. Over a bar the cursor becomes a split cursor; pressing on it
// drags an outline of the bar that stops 16 pixels from the limits (pulling the mouse cursor back
// where the platform lets programs move it), and releasing places the panes so that the bar
// straddles the release point. Subclasses say where their bars are and how a drop moves panes.
class SplitterPanel : public PanelWidget
{
    Q_OBJECT

public:
    enum class Bar
    {
        None,
        Vertical,
        Horizontal
    };

    static const QColor Background;

    explicit SplitterPanel(QWidget* parent = nullptr);
    ~SplitterPanel() override;

    // The bar under a point of the panel; the vertical bar wins where both are.
    Bar barAt(const QPoint& pos) const;
    // The bar being dragged, None when no drag is under way.
    Bar draggedBar() const { return m_dragging ? m_mode : Bar::None; }
    // Where the dragged outline is drawn, in panel coordinates.
    QRect outlineRect() const { return m_outline; }

protected:
    // Where a bar is now; an empty rectangle when the panel has no such bar.
    virtual QRect barRect(Bar bar) const = 0;
    // The positions a bar may take along its axis, both ends included.
    virtual std::pair<int, int> dragRange(Bar bar) const = 0;
    // Moves the panes so that the bar straddles `pos` (already kept within the range).
    virtual void dropBar(Bar bar, const QPoint& pos) = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QPoint clampedPosition(const QPoint& pos) const;
    void updateCursor(const QPoint& pos);
    void cancelDrag();

    Bar m_mode = Bar::None;
    bool m_dragging = false;
    QRect m_outline;
    QPoint m_last;
    QPointer<QRubberBand> m_band;
};

} // namespace dvk
