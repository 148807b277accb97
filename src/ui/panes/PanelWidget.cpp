#include "PanelWidget.h"

#include "DialogKeys.h"

#include <QKeyEvent>

namespace dvk {

PanelWidget::PanelWidget(QWidget* parent)
    : QWidget(parent)
{}

void PanelWidget::relayout()
{
    m_layoutPending = false;
    layoutPanes();
}

void PanelWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_layoutPending)
        return;
    m_layoutPending = true;
    QMetaObject::invokeMethod(this, &PanelWidget::runPendingLayout, Qt::QueuedConnection);
}

void PanelWidget::runPendingLayout()
{
    if (m_layoutPending)
        relayout();
}

void PanelWidget::keyPressEvent(QKeyEvent* event)
{
    if (isDialogClosingKey(event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

} // namespace dvk
