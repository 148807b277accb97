#include "NoteEditor.h"

#include "CharFormatRecord.h"
#include "MenuCommands.h"
#include "OpenLink.h"
#include "Prompts.h"
#include "SettingsStore.h"
#include "TextLimits.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

const QClipboard* clipboard()
{
    return QGuiApplication::clipboard();
}

bool clipboardHasText()
{
    const QMimeData* data = clipboard()->mimeData();
    return data && data->hasText();
}

// The longest run of characters between line breaks.
qsizetype longestLine(QStringView text)
{
    qsizetype longest = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == u'\n' || text[i] == u'\r' ||
            text[i] == QChar::ParagraphSeparator) {
            longest = std::max(longest, i - start);
            start = i + 1;
        }
    }
    return longest;
}

enum class Command
{
    None,
    SelectAll,
    Copy,
    Paste,
    Cut,
    Undo
};

Command commandFor(const QKeyEvent* event)
{
    struct Binding
    {
        Qt::KeyboardModifiers modifiers;
        int key;
        Command command;
    };
    static const std::array<Binding, 9> bindings{{
        {Qt::ControlModifier, Qt::Key_A, Command::SelectAll},
        {Qt::ControlModifier, Qt::Key_C, Command::Copy},
        {Qt::ControlModifier, Qt::Key_Insert, Command::Copy},
        {Qt::ControlModifier, Qt::Key_V, Command::Paste},
        {Qt::ShiftModifier, Qt::Key_Insert, Command::Paste},
        {Qt::ControlModifier, Qt::Key_X, Command::Cut},
        {Qt::ShiftModifier, Qt::Key_Delete, Command::Cut},
        {Qt::ControlModifier, Qt::Key_Z, Command::Undo},
        {Qt::ControlModifier, Qt::Key_Backspace, Command::Undo},
    }};
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    for (const Binding& binding : bindings) {
        if (binding.key == event->key() && binding.modifiers == modifiers)
            return binding.command;
    }
    return Command::None;
}

} // namespace

const QString NoteEditor::TooLongMessage =
    u"The text is too long for a note. Notes hold at most 2,097,152 characters."_s;

NoteEditor::NoteEditor(QWidget* parent, const QString& fontSetting)
    : QPlainTextEdit(parent)
    , m_fontSetting(fontSetting)
    , m_baseFont(font())
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    viewport()->setMouseTracking(true);
    // Tab stops every half inch, as in other plain text editors, rather than Qt's 80 pixels.
    setTabStopDistance(logicalDpiX() / 2.0);
    if (!m_fontSetting.isEmpty()) {
        if (const auto bytes = SettingsStore().readBytes(m_fontSetting)) {
            if (const auto record = CharFormatRecord::fromBytes(*bytes))
                setFont(record->applyTo(m_baseFont));
        }
    }
    connect(this, &QPlainTextEdit::updateRequest, this, &NoteEditor::postLinkRefresh);
}

NoteEditor::~NoteEditor() = default;

void NoteEditor::setNoteText(const QString& text)
{
    setWordWrapMode(longestLine(text) > LongLine ? QTextOption::WrapAnywhere
                                                 : QTextOption::WrapAtWordBoundaryOrAnywhere);
    setPlainText(text);
}

bool NoteEditor::isBlank() const
{
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        if (std::any_of(line.cbegin(), line.cend(), [](QChar c) { return !c.isSpace(); }))
            return false;
    }
    return true;
}

NoteLink NoteEditor::linkAt(const QPoint& viewportPos, QString* text) const
{
    const QTextCursor cursor = cursorForPosition(viewportPos);
    const QTextBlock block = cursor.block();
    // cursorForPosition() gives the nearest gap between characters; the character under the
    // point is the one after it unless the point lies right of the gap's position.
    const QRectF gap = cursorRect(cursor);
    qsizetype position = cursor.positionInBlock();
    if (viewportPos.x() < gap.left() && position > 0)
        --position;
    if (!block.isValid() ||
        viewportPos.y() > blockBoundingGeometry(block).translated(contentOffset()).bottom())
        return {};
    const QString line = block.text();
    const NoteLink link = noteLinkAt(line, position);
    if (text && link.kind != LinkKind::None)
        *text = line.mid(link.start, link.length);
    return link;
}

std::unique_ptr<QMenu> NoteEditor::makeContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    const bool selected = textCursor().hasSelection();
    addCommand(*menu, u"Undo"_s, this, &QPlainTextEdit::undo);
    menu->addSeparator();
    addCommand(*menu, u"Cut"_s, this, &NoteEditor::cutSelection, selected);
    addCommand(*menu, u"Copy"_s, this, &NoteEditor::copySelection, selected);
    addCommand(*menu, u"Paste"_s, this, &NoteEditor::pasteClipboard, clipboardHasText());
    addCommand(*menu, u"Delete"_s, this, &NoteEditor::deleteSelection);
    menu->addSeparator();
    addCommand(*menu, u"Select All"_s, this, &QPlainTextEdit::selectAll);
    menu->addSeparator();
    addCommand(*menu, u"Font..."_s, this, &NoteEditor::chooseFont);
    return menu;
}

void NoteEditor::copySelection()
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return;
    QGuiApplication::clipboard()->setText(TextLimits::rawSelection(cursor));
}

void NoteEditor::cutSelection()
{
    if (!textCursor().hasSelection())
        return;
    copySelection();
    textCursor().removeSelectedText();
}

void NoteEditor::pasteClipboard()
{
    const QMimeData* data = clipboard()->mimeData();
    if (data && data->hasText())
        insertLimited(data->text());
}

void NoteEditor::deleteSelection()
{
    textCursor().removeSelectedText();
}

void NoteEditor::chooseFont()
{
    const std::optional<QFont> chosen = Prompts::current().chooseFont(this, font());
    if (!chosen)
        return;
    const CharFormatRecord record = CharFormatRecord::fromFont(*chosen);
    setFont(record.applyTo(m_baseFont));
    if (!m_fontSetting.isEmpty())
        SettingsStore().writeBytes(m_fontSetting, record.toBytes());
}

bool NoteEditor::insertLimited(const QString& text)
{
    QTextCursor cursor = textCursor();
    const qsizetype kept =
        document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
    if (kept + text.size() > MaxLength) {
        Prompts::current().message(this, TooLongMessage, Prompts::Buttons::Ok,
                                   Prompts::Icon::Warning);
        return false;
    }
    if (wordWrapMode() != QTextOption::WrapAnywhere &&
        longestLine(text) + cursor.block().length() > LongLine)
        setWordWrapMode(QTextOption::WrapAnywhere);
    cursor.insertText(text);
    setTextCursor(cursor);
    ensureCursorVisible();
    return true;
}

void NoteEditor::keyPressEvent(QKeyEvent* event)
{
    switch (commandFor(event)) {
    case Command::SelectAll:
        selectAll();
        return;
    case Command::Copy:
        copySelection();
        return;
    case Command::Paste:
        pasteClipboard();
        return;
    case Command::Cut:
        cutSelection();
        return;
    case Command::Undo:
        undo();
        return;
    case Command::None:
        break;
    }
    const QString typed = event->text();
    const bool inserts = !typed.isEmpty() && (typed.front().isPrint() || typed.front() == u'\r' ||
                                              typed.front() == u'\t');
    const QTextCursor cursor = textCursor();
    if (inserts && !(event->modifiers() & Qt::ControlModifier) && !cursor.hasSelection() &&
        document()->characterCount() - 1 >= MaxLength) {
        QApplication::beep();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void NoteEditor::contextMenuEvent(QContextMenuEvent* event)
{
    const std::unique_ptr<QMenu> menu = makeContextMenu();
    menu->exec(event->globalPos());
}

void NoteEditor::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        QString text;
        const NoteLink link = linkAt(event->position().toPoint(), &text);
        text = text.trimmed();
        if (link.kind != LinkKind::None && !text.isEmpty()) {
            OpenLink(text, link.kind);
            event->accept();
            return;
        }
    }
    QPlainTextEdit::mousePressEvent(event);
}

void NoteEditor::mouseMoveEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    if (event->buttons() == Qt::NoButton) {
        const bool overLink = linkAt(event->position().toPoint()).kind != LinkKind::None;
        viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
    }
}

bool NoteEditor::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText();
}

void NoteEditor::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText())
        insertLimited(source->text());
}

QMimeData* NoteEditor::createMimeDataFromSelection() const
{
    auto data = std::make_unique<QMimeData>();
    data->setText(TextLimits::rawSelection(textCursor()));
    return data.release();
}

void NoteEditor::postLinkRefresh()
{
    if (m_linkRefreshPending)
        return;
    m_linkRefreshPending = true;
    QMetaObject::invokeMethod(this, &NoteEditor::refreshLinks, Qt::QueuedConnection);
}

void NoteEditor::refreshLinks()
{
    m_linkRefreshPending = false;
    const QTextBlock firstBlock = firstVisibleBlock();
    const int first = firstBlock.blockNumber();
    const qreal bottom = viewport()->height();
    const QPointF offset = contentOffset();
    int last = first;
    for (QTextBlock block = firstBlock; block.isValid(); block = block.next()) {
        if (blockBoundingGeometry(block).translated(offset).top() > bottom)
            break;
        last = block.blockNumber();
    }
    const int revision = document()->revision();
    if (first == m_linkFirstBlock && last == m_linkLastBlock && revision == m_linkRevision)
        return;
    m_linkFirstBlock = first;
    m_linkLastBlock = last;
    m_linkRevision = revision;

    QTextCharFormat format;
    format.setForeground(palette().link());
    format.setFontUnderline(true);
    QList<QTextEdit::ExtraSelection> selections;
    for (QTextBlock block = firstBlock; block.isValid() && block.blockNumber() <= last;
         block = block.next()) {
        const QList<NoteLink> links = findNoteLinks(block.text());
        for (const NoteLink& link : links) {
            QTextCursor cursor(block);
            cursor.setPosition(block.position() + int(link.start));
            cursor.setPosition(block.position() + int(link.start + link.length),
                               QTextCursor::KeepAnchor);
            selections.append({cursor, format});
        }
    }
    setExtraSelections(selections);
}

} // namespace dvk
