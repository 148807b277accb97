#pragma once

#include "RecordList.h"
#include "Records.h"
#include "ScriptEvaluator.h"

#include <QLineEdit>
#include <functional>

namespace dvk {

class PurseCategoryList;

// The box below the category list: it shows the panel total (the selected categories, else all
// of them) and doubles as a pocket calculator. Enter evaluates the typed expression and shows
// the value with two decimals, or "Error" selected; Enter on a blank box, or leaving the box,
// brings the total back. Enter is consumed, so it never reaches a default button. When the
// script engine cannot start, the box is read-only and shows the total only.
class PurseTotalBox final : public QLineEdit
{
    Q_OBJECT

public:
    // Starts the evaluator; true when it runs. Tests replace it to simulate a missing engine.
    using EngineStarter = std::function<bool(ScriptEvaluator&)>;
    static const QString ErrorText;

    explicit PurseTotalBox(const RecordList<PurseCategory>& categories, QWidget* parent = nullptr,
                           EngineStarter starter = {});

    // The list whose rows are summed; without one, every category of the store is.
    void setCategoryList(const PurseCategoryList* list);
    bool isEngineStarted() const { return m_started; }
    double panelTotal() const;

public Q_SLOTS:
    void showPanelTotal();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool takesEnter(const QKeyEvent* event) const;
    void calculate();

    const RecordList<PurseCategory>& m_categories;
    const PurseCategoryList* m_list = nullptr;
    ScriptEvaluator m_evaluator;
    bool m_started = false;
};

} // namespace dvk
