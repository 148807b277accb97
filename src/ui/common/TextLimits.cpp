#include "TextLimits.h"

#include <QLineEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <limits>

namespace dvk::TextLimits {

namespace {

QString withLineFeeds(QString text)
{
    return text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

} // namespace

void makeRoomFor(QLineEdit& edit, const QString& text)
{
    if (text.size() > edit.maxLength())
        edit.setMaxLength(int(std::min<qsizetype>(text.size(), std::numeric_limits<int>::max())));
}

void setText(QLineEdit& edit, const QString& text, int limit)
{
    edit.setMaxLength(limit);
    makeRoomFor(edit, text);
    edit.setText(text);
}

QString rawText(const QTextDocument& document)
{
    return withLineFeeds(document.toRawText());
}

QString rawSelection(const QTextCursor& cursor)
{
    return withLineFeeds(cursor.selectedText());
}

QString leftFitting(const QString& text, qsizetype room)
{
    if (room <= 0)
        return {};
    if (text.size() <= room)
        return text;
    return text.left(text.at(room - 1).isHighSurrogate() ? room - 1 : room);
}

} // namespace dvk::TextLimits
