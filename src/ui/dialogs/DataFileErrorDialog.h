#pragma once

#include <QDialog>

class QPushButton;

namespace dvk {

// "DVK Data File Error": shown at start-up when the data file could not be read completely. It
// tells the user how to recover and asks whether to go on. "Continue" accepts; "Exit", Esc and
// the close box reject, and start-up then ends without saving anything.
class DataFileErrorDialog final : public QDialog
{
    Q_OBJECT

public:
    // Where the user is asked to write for help.
    static const QString SupportAddress;

    explicit DataFileErrorDialog(QWidget* parent = nullptr);

    QPushButton* continueButton() const { return m_continue; }
    QPushButton* exitButton() const { return m_exit; }

private:
    QPushButton* m_continue;
    QPushButton* m_exit;
};

} // namespace dvk
