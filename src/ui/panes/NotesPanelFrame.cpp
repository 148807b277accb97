#include "NotesPanelFrame.h"

#include "PanelTemplate.h"

namespace dvk {

NotesPanelFrame::NotesPanelFrame(QWidget* view, QWidget* parent)
    : PanelWidget(parent)
    , m_view(view)
{
    m_view->setParent(this);
    resize(PanelTemplate::toPixels(this, 0, 0, 331, 157).size());
    m_view->setGeometry(rect());
}

void NotesPanelFrame::layoutPanes()
{
    m_view->setGeometry(rect());
}

} // namespace dvk
