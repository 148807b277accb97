#pragma once

#include "NoteLinks.h"

#include <QFont>
#include <QPlainTextEdit>
#include <memory>

class QMenu;

namespace dvk {

// The text area of the note dialog: plain text in and out, one font for the whole text, web and
// mail addresses underlined and opened by a left click (through OpenLink), and its own context
// menu and keyboard shortcuts. The font is a program-wide choice kept in the RichEditDefaultFont
// setting as a 60-byte character format record (see CharFormatRecord); bold and italic are never
// applied.
//
// Text limit: typing and pasting may make the text at most MaxLength characters long. A paste
// that would go beyond it is refused with a message and leaves the clipboard as it was, so
// nothing is lost; text given with setPlainText() is always shown whole. The limit keeps the
// editor responsive: laying out text costs Qt about a second per million characters in the
// worst case (one long line), so a paste of tens of megabytes would freeze the window.
class NoteEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    static constexpr qsizetype MaxLength = 2 * 1024 * 1024;
    // Lines longer than this are wrapped anywhere rather than at word boundaries, because finding
    // word boundaries in one very long run of characters takes Qt quadratic time.
    static constexpr qsizetype LongLine = 20'000;
    static const QString TooLongMessage;

    // Reads the font from `fontSetting` of the user's settings; an empty name neither reads nor
    // stores a font.
    explicit NoteEditor(QWidget* parent = nullptr,
                        const QString& fontSetting = QStringLiteral("RichEditDefaultFont"));
    ~NoteEditor() override;

    // Whether the text holds nothing but white space; looks only as far as the first other
    // character, so it stays cheap for long notes.
    bool isBlank() const;
    // The link under a point of the viewport, or one of kind None.
    NoteLink linkAt(const QPoint& viewportPos, QString* text = nullptr) const;
    // The links shown as such now (those in the visible lines).
    QList<QTextEdit::ExtraSelection> linkSelections() const { return extraSelections(); }

    // The context menu, its entries enabled for the current selection and clipboard.
    std::unique_ptr<QMenu> makeContextMenu();

    // The whole text is replaced; never limited.
    void setNoteText(const QString& text);

public Q_SLOTS:
    // The clipboard operations of the menu and the shortcuts; a derived editor may replace them.
    virtual void copySelection();
    virtual void cutSelection();
    virtual void pasteClipboard();
    void deleteSelection();
    void chooseFont();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    bool insertLimited(const QString& text);
    void chooseWrapMode();
    void postLinkRefresh();
    void refreshLinks();

    QString m_fontSetting;
    QFont m_baseFont;
    bool m_linkRefreshPending = false;
    int m_linkFirstBlock = -1;
    int m_linkLastBlock = -1;
    int m_linkRevision = -1;
};

} // namespace dvk
