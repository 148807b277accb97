#pragma once

#include "FourPaneFrame.h"
#include "PanelTemplate.h"

namespace dvk {

// A four-pane frame whose geometry follows a table of layout rules. `Panes` is one of
// PaneLayout's pane structs: four rectangles in the order the panes were handed in. The rules say
// where the panes go when the frame is resized, where the bars are, how far a bar may be dragged
// and where the panes go when it is dropped.
template <class Panes> class PaneFrame : public FourPaneFrame
{
public:
    struct Rules
    {
        Panes (*layout)(const QRect& client, const Panes& current);
        QRect (*bar)(Bar bar, const Panes& panes);
        std::pair<int, int> (*dragRange)(Bar bar, const QRect& client, const Panes& panes);
        Panes (*drop)(Bar bar, const QRect& client, const Panes& current, const QPoint& pos);
    };

    Panes panes() const
    {
        const std::array<QRect, 4> rects = paneRects();
        return {rects[0], rects[1], rects[2], rects[3]};
    }

protected:
    PaneFrame(const Rules& rules, const std::array<QWidget*, 4>& panes, QWidget* parent)
        : FourPaneFrame(panes, parent)
        , m_rules(rules)
    {
        // Both four-pane panels were designed 317 x 198 dialog units.
        resize(PanelTemplate::toPixels(this, 0, 0, 317, 198).size());
    }

    void applyPanes(const Panes& panes)
    {
        const auto& [first, second, third, fourth] = panes;
        placePanes({first, second, third, fourth});
    }

    void layoutPanes() override { applyPanes(m_rules.layout(rect(), panes())); }
    QRect barRect(Bar bar) const override { return m_rules.bar(bar, panes()); }
    std::pair<int, int> dragRange(Bar bar) const override
    {
        return m_rules.dragRange(bar, rect(), panes());
    }
    void dropBar(Bar bar, const QPoint& pos) override
    {
        applyPanes(m_rules.drop(bar, rect(), panes(), pos));
    }

private:
    const Rules& m_rules;
};

} // namespace dvk
