#pragma once

#include "SecurityChoices.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace dvk {

class DataStore;

// "DVK Security": sets, keeps or removes the password of the data store and switches the
// encryption of the data file. OK follows SecurityChoices::acceptable; the choices take effect in
// the store at once and reach the data file at the next save.
class SecurityDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit SecurityDialog(DataStore& store, QWidget* parent = nullptr);

    void accept() override;

    // What the controls hold now.
    SecurityChoices choices() const;

    QLineEdit* newPasswordEdit() const { return m_newPassword; }
    QLineEdit* repeatPasswordEdit() const { return m_repeatPassword; }
    QCheckBox* enableBox() const { return m_enable; }
    QCheckBox* encryptBox() const { return m_encrypt; }
    QPushButton* okButton() const { return m_ok; }

public Q_SLOTS:
    void refreshOkButton();

private:
    DataStore& m_store;
    QLineEdit* m_newPassword;
    QLineEdit* m_repeatPassword;
    QCheckBox* m_enable;
    QCheckBox* m_encrypt;
    QPushButton* m_ok = nullptr;
};

} // namespace dvk
