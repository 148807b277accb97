#include "CategoryFilterBox.h"

#include "ArchiveFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace dvk {
namespace {

bool isEnter(const QEvent* event)
{
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

CategoryFilterBox::CategoryFilterBox(QWidget* parent)
    : SortedComboBox(MaxLength, parent)
    , m_remembered(ArchiveFilter::Unchosen)
{
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, &CategoryFilterBox::entryChosen);
}

void CategoryFilterBox::showText(const QString& text)
{
    m_remembered = text;
    if (!text.isEmpty()) {
        int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0)
            index = addSorted(text);
        setCurrentIndex(index);
    }
    Q_EMIT filterChosen();
}

bool CategoryFilterBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && handleEnter(event))
        return true;
    return SortedComboBox::eventFilter(watched, event);
}

void CategoryFilterBox::keyPressEvent(QKeyEvent* event)
{
    if (!handleEnter(event))
        SortedComboBox::keyPressEvent(event);
}

void CategoryFilterBox::keyReleaseEvent(QKeyEvent* event)
{
    if (!handleEnter(event))
        SortedComboBox::keyReleaseEvent(event);
}

// Applies the typed text on Enter and swallows the press and its release; false for other events.
bool CategoryFilterBox::handleEnter(QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isEnter(event)) {
        m_enterDown = true;
        event->accept();
        apply(currentText().trimmed());
        return true;
    }
    if (event->type() == QEvent::KeyRelease && isEnter(event) && m_enterDown) {
        m_enterDown = false;
        event->accept();
        return true;
    }
    return false;
}

void CategoryFilterBox::entryChosen(int index)
{
    if (index >= 0)
        apply(itemText(index));
}

void CategoryFilterBox::apply(const QString& text)
{
    if (text == m_remembered)
        return;
    m_remembered = text;
    Q_EMIT filterChosen();
}

} // namespace dvk
