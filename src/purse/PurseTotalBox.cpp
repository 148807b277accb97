#include "PurseTotalBox.h"

#include "NumberFormat.h"
#include "PurseCategoryList.h"
#include "PurseTotals.h"

#include <QKeyEvent>

using namespace Qt::StringLiterals;

namespace dvk {

const QString PurseTotalBox::ErrorText = u"Error"_s;

PurseTotalBox::PurseTotalBox(const RecordList<PurseCategory>& categories, QWidget* parent,
                             EngineStarter starter)
    : QLineEdit(parent)
    , m_categories(categories)
{
    m_started = starter ? starter(m_evaluator) : m_evaluator.start();
    setReadOnly(!m_started);
    showPanelTotal();
}

void PurseTotalBox::setCategoryList(const PurseCategoryList* list)
{
    m_list = list;
}

double PurseTotalBox::panelTotal() const
{
    if (!m_list)
        return dvk::panelTotal(m_categories);
    return dvk::panelTotal(m_list->rows(), m_list->selectedRowNumbers());
}

void PurseTotalBox::showPanelTotal()
{
    setText(formatAmount(panelTotal()));
}

bool PurseTotalBox::takesEnter(const QKeyEvent* event) const
{
    return m_started && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

bool PurseTotalBox::event(QEvent* event)
{
    // Claiming Enter here keeps it from triggering a shortcut of the window around the box.
    if (event->type() == QEvent::ShortcutOverride && takesEnter(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void PurseTotalBox::keyPressEvent(QKeyEvent* event)
{
    if (!takesEnter(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    calculate();
}

void PurseTotalBox::keyReleaseEvent(QKeyEvent* event)
{
    if (!takesEnter(event)) {
        QLineEdit::keyReleaseEvent(event);
        return;
    }
    event->accept();
}

void PurseTotalBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // The box's own context menu takes the focus only for a moment; the typed text stays.
    if (event->reason() != Qt::PopupFocusReason)
        showPanelTotal();
}

void PurseTotalBox::calculate()
{
    const QString expression = text().trimmed();
    if (expression.isEmpty()) {
        showPanelTotal();
        return;
    }
    const double value = m_evaluator.evaluate(expression);
    if (m_evaluator.error()) {
        setText(ErrorText);
        setSelection(0, int(ErrorText.size()));
    } else {
        setText(formatAmount(value));
        selectAll();
    }
}

} // namespace dvk
