#pragma once

#include "PanelWidget.h"

namespace dvk {

// The frame of the Notes panel: one icon view that fills the panel.
class NotesPanelFrame : public PanelWidget
{
    Q_OBJECT

public:
    explicit NotesPanelFrame(QWidget* view, QWidget* parent = nullptr);

protected:
    QWidget* view() const { return m_view; }
    void layoutPanes() override;

private:
    QWidget* m_view;
};

} // namespace dvk
