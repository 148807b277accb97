#include "SecurityDialog.h"

#include "DataStore.h"
#include "DialogUnits.h"
#include "PropertyDialog.h"
#include "SettingsStore.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dvk {
namespace {

QLineEdit* passwordEdit(QWidget* parent)
{
    auto* const edit = new QLineEdit(parent);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(SecurityChoices::MaxPasswordLength);
    return edit;
}

} // namespace

SecurityDialog::SecurityDialog(DataStore& store, QWidget* parent)
    : QDialog(parent)
    , m_store(store)
    , m_newPassword(passwordEdit(this))
    , m_repeatPassword(passwordEdit(this))
    , m_enable(new QCheckBox(tr("Enable password protection"), this))
    , m_encrypt(new QCheckBox(tr("Encrypt data file"), this))
{
    setWindowTitle(tr("DVK Security"));

    auto* const buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setDefault(true);

    auto* const passwords = new QFormLayout;
    passwords->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    passwords->addRow(tr("New Password:"), m_newPassword);
    passwords->addRow(tr("Repeat New Password:"), m_repeatPassword);

    auto* const layout = new QVBoxLayout(this);
    layout->addLayout(passwords);
    layout->addStretch();
    layout->addWidget(horizontalRule(this));
    layout->addWidget(m_enable);
    layout->addWidget(m_encrypt);
    auto* const encryptNote = new QLabel(
        tr("With a password, the file is encrypted with it; without one, it is only obscured."),
        this);
    encryptNote->setWordWrap(true);
    layout->addWidget(encryptNote);
    layout->addWidget(horizontalRule(this));
    layout->addStretch();
    layout->addWidget(buttons);

    const SecurityChoices initial = SecurityChoices::current(m_store, SettingsStore());
    m_enable->setChecked(initial.enable);
    m_encrypt->setChecked(initial.encrypt);

    connect(m_newPassword, &QLineEdit::textChanged, this, &SecurityDialog::refreshOkButton);
    connect(m_repeatPassword, &QLineEdit::textChanged, this, &SecurityDialog::refreshOkButton);
    connect(m_enable, &QCheckBox::toggled, this, &SecurityDialog::refreshOkButton);
    connect(buttons, &QDialogButtonBox::accepted, this, &SecurityDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SecurityDialog::reject);

    m_newPassword->setFocus();
    refreshOkButton();
    DialogUnits::fixSize(this, 198, 127);
}

SecurityChoices SecurityDialog::choices() const
{
    SecurityChoices choices;
    choices.enable = m_enable->isChecked();
    choices.newPassword = m_newPassword->text();
    choices.repeatPassword = m_repeatPassword->text();
    choices.encrypt = m_encrypt->isChecked();
    return choices;
}

void SecurityDialog::refreshOkButton()
{
    m_ok->setEnabled(choices().acceptable(m_store.hasPassword()));
}

void SecurityDialog::accept()
{
    const SecurityChoices chosen = choices();
    if (!chosen.acceptable(m_store.hasPassword()))
        return;
    chosen.apply(m_store, SettingsStore());
    QDialog::accept();
}

} // namespace dvk
