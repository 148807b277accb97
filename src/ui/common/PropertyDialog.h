#pragma once

#include <QDialog>

class QFrame;
class QLayout;
class QPushButton;

namespace dvk {

// The shape every record property dialog shares: its fields on top, a horizontal rule, OK and
// Cancel; a fixed size in dialog units; and an OK button enabled only while the fields hold an
// acceptable record. A dialog passes its fields to setFields() and calls refreshOkButton()
// whenever a field changes.
class PropertyDialog : public QDialog
{
    Q_OBJECT

public:
    bool isOkEnabled() const;
    QPushButton* okButton() const { return m_ok; }

protected:
    PropertyDialog(const QString& title, QWidget* parent);

    // Lays out `fields` above the rule and the buttons and fixes the dialog at width × height
    // dialog units (grown where the layout needs more).
    void setFields(QLayout* fields, int width, int height);
    // Whether OK may be pressed now.
    virtual bool acceptable() const = 0;
    void refreshOkButton();

private:
    QPushButton* m_ok = nullptr;
};

// A sunken horizontal line between the parts of a dialog.
QFrame* horizontalRule(QWidget* parent = nullptr);

} // namespace dvk
