#include "LimitedTextEdit.h"

#include "TextLimits.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <memory>

namespace dvk {

LimitedTextEdit::LimitedTextEdit(qsizetype limit, QWidget* parent)
    : QPlainTextEdit(parent)
    , m_limit(limit)
{}

QString LimitedTextEdit::text() const
{
    return TextLimits::rawText(*document());
}

qsizetype LimitedTextEdit::keptLength() const
{
    const QTextCursor cursor = textCursor();
    return document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
}

void LimitedTextEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool inserts =
        !typed.isEmpty() && !(event->modifiers() & Qt::ControlModifier) &&
        (typed.front().isPrint() || typed.front() == u'\t' || typed.front() == u'\r');
    if (inserts && keptLength() + typed.size() > m_limit) {
        QApplication::beep();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    const QString fitting = TextLimits::leftFitting(source->text(), m_limit - keptLength());
    if (fitting.isEmpty()) {
        QApplication::beep();
        return;
    }
    QTextCursor cursor = textCursor();
    cursor.insertText(fitting);
    setTextCursor(cursor);
    ensureCursorVisible();
}

QMimeData* LimitedTextEdit::createMimeDataFromSelection() const
{
    auto data = std::make_unique<QMimeData>();
    data->setText(TextLimits::rawSelection(textCursor()));
    return data.release();
}

} // namespace dvk
