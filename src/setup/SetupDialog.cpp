#include "SetupDialog.h"

#include "Installer.h"
#include "SetupPrompts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

// Dialog units of the dialog's font: a quarter of the average character width across, an
// eighth of the line height down.
QSize dialogUnits(const QWidget& widget, int x, int y)
{
    const QFontMetrics metrics = widget.fontMetrics();
    const int averageWidth =
        (metrics.horizontalAdvance(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"_s) +
         26) /
        52;
    return {x * averageWidth / 4, y * metrics.height() / 8};
}

QFrame* etchedLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

const QString SetupDialog::SetupCompleted =
    u"Setup completed.\n\nYou can find a link to DVK in the [Programs.Quillmark] group.\n\n"
    u"Thank you for using our product."_s;
const QString SetupDialog::CannotCreateFolder = u"Can not create folder."_s;
const QString SetupDialog::CopyFailed = u"Copy file faild."_s;
const QString SetupDialog::ReinstallCopyFailed =
    u"Copy file faild.\n\nIf a previously installed DVK is running, please close it and try again."_s;
const QString SetupDialog::ReinstallCompleted = u"Reinstall completed."_s;
const QString SetupDialog::ConfirmRemove =
    u"Are you sure you want to remove DVK from your computer?"_s;
const QString SetupDialog::CannotDelete =
    u"Can not delete file. If DVK is running, please close it try again."_s;
const QString SetupDialog::Removed = u"DVK has been removed."_s;
const QString SetupDialog::NotRecorded =
    u"The installation folder of DVK is no longer recorded. Nothing was changed."_s;

SetupDialog::SetupDialog(Installer& installer, SetupPrompts& prompts, QWidget* parent)
    : QDialog(parent)
    , m_installer(installer)
    , m_prompts(prompts)
{
    setWindowTitle(SetupPrompts::Caption);
    QPixmap icon;
    if (icon.loadFromData(m_installer.payload().icon))
        setWindowIcon(icon);
    buildLayout();
    showInstallationState();
    connect(m_ok, &QPushButton::clicked, this, &SetupDialog::okPressed);
    connect(m_browse, &QPushButton::clicked, this, &SetupDialog::browseForFolder);
}

void SetupDialog::buildLayout()
{
    auto* picture = new QLabel(this);
    const QIcon icon = windowIcon();
    if (!icon.isNull())
        picture->setPixmap(icon.pixmap(QSize(32, 32)));
    picture->setFixedSize(32, 32);

    auto* title = new QLabel(SetupPrompts::Caption, this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* notice = new QLabel(u"Copyright \u00A9 Quillmark. All rights reserved."_s, this);
    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(notice);
    auto* header = new QHBoxLayout;
    header->addWidget(picture, 0, Qt::AlignTop);
    header->addSpacing(dialogUnits(*this, 45, 0).width() - 32);
    header->addLayout(texts, 1);

    m_newInstall = new QRadioButton(u"New Install"_s, this);
    m_newInstall->setObjectName(u"newInstall"_s);
    m_reinstall =
        new QRadioButton(u"Re-install. Your DVK data file will remain unchanged."_s, this);
    m_reinstall->setObjectName(u"reinstall"_s);
    m_remove = new QRadioButton(u"Remove DVK from your computer"_s, this);
    m_remove->setObjectName(u"remove"_s);

    m_folder = new QLineEdit(this);
    m_folder->setObjectName(u"folder"_s);
    m_browse = new QPushButton(u"..."_s, this);
    m_browse->setObjectName(u"browse"_s);
    m_browse->setAutoDefault(false);
    m_browse->setFixedWidth(qMax(dialogUnits(*this, 13, 0).width(),
                                 m_browse->fontMetrics().horizontalAdvance(u"...."_s) + 12));
    auto* folderRow = new QHBoxLayout;
    folderRow->addSpacing(dialogUnits(*this, 12, 0).width());
    auto* folderLabel = new QLabel(u"Folder:"_s, this);
    folderLabel->setBuddy(m_folder);
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_browse);

    m_ok = new QPushButton(u"OK"_s, this);
    m_ok->setObjectName(u"ok"_s);
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(u"Cancel"_s, this);
    cancel->setObjectName(u"cancel"_s);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &SetupDialog::reject);
    const QSize buttonSize = dialogUnits(*this, 50, 14);
    for (QPushButton* button : {m_ok, cancel})
        button->setMinimumSize(buttonSize);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(etchedLine(this));
    layout->addWidget(m_newInstall);
    layout->addLayout(folderRow);
    layout->addSpacing(dialogUnits(*this, 0, 4).height());
    layout->addWidget(m_reinstall);
    layout->addWidget(m_remove);
    layout->addWidget(etchedLine(this));
    layout->addLayout(buttons);
    setMinimumSize(dialogUnits(*this, 256, 135));
}

void SetupDialog::showInstallationState()
{
    if (m_installer.isInstalled()) {
        m_folder->setText(m_installer.recordedFolder());
        m_reinstall->setChecked(true);
        m_newInstall->setEnabled(false);
        m_folder->setEnabled(false);
        m_browse->setEnabled(false);
    } else {
        m_folder->setText(m_installer.paths().defaultFolder());
        m_newInstall->setChecked(true);
        m_reinstall->setEnabled(false);
        m_remove->setEnabled(false);
    }
    m_ok->setFocus();
}

void SetupDialog::reject()
{
    done(Cancelled);
}

void SetupDialog::browseForFolder()
{
    const QString folder = m_prompts.chooseFolder(this, m_installer.paths().programFilesFolder());
    if (!folder.isEmpty())
        m_folder->setText(folder);
}

void SetupDialog::okPressed()
{
    if (m_newInstall->isChecked())
        installNew();
    else if (m_reinstall->isChecked())
        installAgain();
    else if (m_remove->isChecked())
        removeInstallation();
}

void SetupDialog::installNew()
{
    switch (m_installer.newInstall(m_folder->text())) {
    case Installer::Result::CannotCreateFolder:
        m_prompts.inform(this, CannotCreateFolder);
        return;
    case Installer::Result::Done:
        m_prompts.inform(this, SetupCompleted);
        done(ClosedByOk);
        return;
    case Installer::Result::CopyFailed:
    case Installer::Result::CannotDelete:
    case Installer::Result::NotRecorded:
        m_prompts.inform(this, CopyFailed);
        return;
    }
}

void SetupDialog::installAgain()
{
    switch (m_installer.reinstall()) {
    case Installer::Result::NotRecorded:
        m_prompts.inform(this, NotRecorded);
        done(ClosedByOk);
        return;
    case Installer::Result::Done:
        m_prompts.inform(this, ReinstallCompleted);
        done(ClosedByOk);
        return;
    case Installer::Result::CopyFailed:
    case Installer::Result::CannotCreateFolder:
    case Installer::Result::CannotDelete:
        m_prompts.inform(this, ReinstallCopyFailed);
        return;
    }
}

void SetupDialog::removeInstallation()
{
    if (!m_prompts.confirm(this, ConfirmRemove)) {
        done(ClosedByOk);
        return;
    }
    switch (m_installer.remove()) {
    case Installer::Result::NotRecorded:
        m_prompts.inform(this, NotRecorded);
        break;
    case Installer::Result::CannotDelete:
        m_prompts.inform(this, CannotDelete);
        break;
    case Installer::Result::Done:
    case Installer::Result::CannotCreateFolder:
    case Installer::Result::CopyFailed:
        m_prompts.inform(this, Removed);
        break;
    }
    done(ClosedByOk);
}

} // namespace dvk
