#pragma once

#include <QWidget>

namespace dvk {

// The base of the four panels the main window shows in its panel area. A panel arranges its own
// panes after every size change, deferred until the change is complete, and never reacts to
// Enter or Esc, so those keys can neither close it nor reach the main window.
class PanelWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PanelWidget(QWidget* parent = nullptr);

    // Lays the panes out now instead of after the pending size change.
    void relayout();

protected:
    // Places the panes for the current size; the panels' own layout rule.
    virtual void layoutPanes() = 0;

    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void runPendingLayout();

    bool m_layoutPending = false;
};

} // namespace dvk
