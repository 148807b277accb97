#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace dvk {

class Installer;
class SetupPrompts;

// The installer's one dialog: a new install into a chosen folder, or a re-install or removal of
// the copy recorded by an earlier install. "OK" closes it with ClosedByOk once an operation is
// done; "Cancel", Escape and the close box close it with Cancelled. After a failed copy it stays
// open, so the user can close DVK or change the folder and try again.
class SetupDialog final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ClosedByOk = 1;
    static constexpr int Cancelled = 2;

    SetupDialog(Installer& installer, SetupPrompts& prompts, QWidget* parent = nullptr);

    void reject() override;

    static const QString SetupCompleted;
    static const QString CannotCreateFolder;
    static const QString CopyFailed;
    static const QString ReinstallCopyFailed;
    static const QString ReinstallCompleted;
    static const QString ConfirmRemove;
    static const QString CannotDelete;
    static const QString Removed;
    static const QString NotRecorded;

private Q_SLOTS:
    void okPressed();
    void browseForFolder();

private:
    void buildLayout();
    void showInstallationState();
    void installNew();
    void installAgain();
    void removeInstallation();

    Installer& m_installer;
    SetupPrompts& m_prompts;
    QRadioButton* m_newInstall = nullptr;
    QRadioButton* m_reinstall = nullptr;
    QRadioButton* m_remove = nullptr;
    QLineEdit* m_folder = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace dvk
