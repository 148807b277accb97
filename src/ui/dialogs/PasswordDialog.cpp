#include "PasswordDialog.h"

#include "DataStore.h"
#include "DialogUnits.h"
#include "Prompts.h"
#include "PropertyDialog.h"
#include "SealKey.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace dvk {
namespace {

// A padlock from the icon theme when there is one, else the program's icon.
QIcon lockIcon(const QWidget* widget)
{
    QIcon icon = QIcon::fromTheme(QStringLiteral("dialog-password"));
    if (icon.isNull())
        icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = widget->style()->standardIcon(QStyle::SP_MessageBoxInformation);
    return icon;
}

} // namespace

const QString PasswordDialog::RetryMessage =
    QStringLiteral("Incorrect password.\n\nClick [OK] to try again, or [Cancel] to quit DVK.");
const QString PasswordDialog::QuitMessage =
    QStringLiteral("Incorrect password.\n\nClick [OK] to quit DVK.");

PasswordDialog::PasswordDialog(const DataStore& store, QWidget* parent)
    : PasswordDialog([&store](QByteArray& password) { return store.checkPassword(password); },
                     parent)
{}

PasswordDialog::PasswordDialog(Check check, QWidget* parent)
    : QDialog(parent)
    , m_check(std::move(check))
    , m_password(new QLineEdit(this))
{
    setWindowTitle(tr("Enter DVK Password"));
    setWindowIcon(QApplication::windowIcon());

    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(MaxPasswordLength);

    auto* const icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(lockIcon(this).pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* const warning = new QLabel(
        tr("Warning: DVK contains private informations. If you are not the owner, please click "
           "[Cancle] to quit this program."),
        this);
    warning->setWordWrap(true);

    auto* const buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setDefault(true);

    auto* const grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 2, 1);
    grid->addWidget(new QLabel(tr("DVK is protected with password."), this), 0, 1);
    grid->addWidget(m_password, 1, 1);
    grid->addWidget(horizontalRule(this), 2, 0, 1, 2);
    grid->addWidget(warning, 3, 0, 1, 2, Qt::AlignVCenter);
    grid->setRowStretch(3, 1);
    grid->addWidget(horizontalRule(this), 4, 0, 1, 2);
    grid->addWidget(buttons, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(buttons, &QDialogButtonBox::accepted, this, &PasswordDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PasswordDialog::reject);

    m_password->setFocus();
    DialogUnits::fixSize(this, 224, 114);
}

void PasswordDialog::accept()
{
    QByteArray typed = m_password->text().toLocal8Bit();
    const bool right = m_check(typed);
    SealKey::wipe(typed);
    if (right) {
        QDialog::accept();
        return;
    }
    ++m_failures;
    if (m_failures >= 2) {
        Prompts::current().message(this, QuitMessage, Prompts::Buttons::Ok, Prompts::Icon::Warning);
        reject();
        return;
    }
    const Prompts::Answer answer = Prompts::current().message(
        this, RetryMessage, Prompts::Buttons::OkCancel, Prompts::Icon::Information);
    if (answer != Prompts::Answer::Ok) {
        reject();
        return;
    }
    m_password->setFocus();
    m_password->selectAll();
}

} // namespace dvk
