#include "PropertyDialog.h"

#include "DialogUnits.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

namespace dvk {

QFrame* horizontalRule(QWidget* parent)
{
    auto* const rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

PropertyDialog::PropertyDialog(const QString& title, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
}

void PropertyDialog::setFields(QLayout* fields, int width, int height)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addWidget(horizontalRule());
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    DialogUnits::fixSize(this, width, height);
}

bool PropertyDialog::isOkEnabled() const
{
    return m_ok && m_ok->isEnabled();
}

void PropertyDialog::refreshOkButton()
{
    if (m_ok)
        m_ok->setEnabled(acceptable());
}

} // namespace dvk
