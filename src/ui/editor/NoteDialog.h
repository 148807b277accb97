#pragma once

#include <QDate>
#include <QDialog>

class QDateEdit;
class QPushButton;

namespace dvk {

class Clock;
class NoteEditor;
struct NoteRecord;

// "DVK Note": edits the date and text of a note, for the Notes panel and for the notes of an
// archive item. OK is enabled only while the text holds something besides white space. The
// dialog can be maximised; the editor then takes the room and the buttons stay in the
// bottom-right corner.
//
// Use:
//     NoteDialog dialog(this);          // a new note: empty text, today
//     dialog.loadFrom(note);            // or, to edit: the note's date and text
//     if (dialog.exec() == QDialog::Accepted)
//         dialog.storeInto(note);       // trimmed text and date; imageIndex is left alone
// date()/text() and setDate()/setText() give the same data without a record.
class NoteDialog final : public QDialog
{
    Q_OBJECT

public:
    // A new note dated today by the system clock, or by `clock`.
    explicit NoteDialog(QWidget* parent = nullptr);
    explicit NoteDialog(const Clock& clock, QWidget* parent = nullptr);
    ~NoteDialog() override;

    // Shows a note's date and text. A stored date that does not exist (a damaged file) leaves
    // the picker at its current date, which OK then stores.
    void loadFrom(const NoteRecord& note);
    // Writes the trimmed text (in the locale's 8-bit encoding) and the picked date.
    void storeInto(NoteRecord& note) const;

    // The editor's text with white space trimmed at both ends, as it is stored.
    QString text() const;
    void setText(const QString& text);
    QDate date() const;
    void setDate(const QDate& date);

    bool isOkEnabled() const;
    NoteEditor* editor() const { return m_editor; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

public Q_SLOTS:
    // Enables OK exactly when the trimmed text is not empty.
    void refreshOkButton();

private:
    void postRefreshOkButton();

    QDateEdit* m_date;
    NoteEditor* m_editor;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_refreshPending = false;
};

} // namespace dvk
