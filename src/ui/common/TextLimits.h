#pragma once

#include <QString>

class QLineEdit;
class QTextCursor;
class QTextDocument;

namespace dvk {

// How text goes in and out of DVK's fields without changing what is stored. The limits of the
// fields are typing limits: a stored text longer than the limit is shown whole, and confirming a
// dialog gives it back unchanged.
namespace TextLimits {

// Shows `text` in `edit`, whose typing limit is `limit` or the text's own length if longer.
void setText(QLineEdit& edit, const QString& text, int limit);
// Lets `edit` hold `text` whole, keeping a larger limit.
void makeRoomFor(QLineEdit& edit, const QString& text);

// The text of a plain-text document exactly as it is held: only paragraph ends become "\n".
// (QTextDocument::toPlainText also turns no-break spaces into blanks and line separators into
// line feeds.)
QString rawText(const QTextDocument& document);
// The selected text of `cursor` in the same way.
QString rawSelection(const QTextCursor& cursor);

// At most `room` characters from the start of `text`, never splitting a surrogate pair.
QString leftFitting(const QString& text, qsizetype room);

} // namespace TextLimits
} // namespace dvk
