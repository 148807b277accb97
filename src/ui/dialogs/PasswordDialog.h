#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

namespace dvk {

class DataStore;

// "Enter DVK Password", shown at start-up when the data store has a password. The user has two
// attempts: after the first wrong password a message offers to try again or quit, after the
// second one it says DVK quits and the dialog ends with Rejected. Start-up goes on only when the
// dialog ends with Accepted.
class PasswordDialog final : public QDialog
{
    Q_OBJECT

public:
    // Checks a typed password's bytes; it may wipe them.
    using Check = std::function<bool(QByteArray& password)>;

    // Checks against the store's password digest.
    explicit PasswordDialog(const DataStore& store, QWidget* parent = nullptr);
    explicit PasswordDialog(Check check, QWidget* parent = nullptr);

    // Checks the typed password; see the class comment for what a wrong one does.
    void accept() override;

    int failedAttempts() const { return m_failures; }
    QLineEdit* passwordEdit() const { return m_password; }
    QPushButton* okButton() const { return m_ok; }

    static const QString RetryMessage;
    static const QString QuitMessage;
    static constexpr int MaxPasswordLength = 512;

private:
    Check m_check;
    QLineEdit* m_password;
    QPushButton* m_ok = nullptr;
    int m_failures = 0;
};

} // namespace dvk
