#pragma once

#include <QPlainTextEdit>

namespace dvk {

// A plain-text box with a typing limit. Typing at the limit is refused with a beep, a paste or
// drop is cut to the room left, and text the program sets is always shown whole, however long.
// text() gives the characters exactly as they were set or typed.
class LimitedTextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit LimitedTextEdit(qsizetype limit, QWidget* parent = nullptr);

    QString text() const;
    qsizetype limit() const { return m_limit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    // Characters that stay when the selection is replaced.
    qsizetype keptLength() const;

    qsizetype m_limit;
};

} // namespace dvk
