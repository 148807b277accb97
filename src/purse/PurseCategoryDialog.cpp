#include "PurseCategoryDialog.h"

#include "DialogUnits.h"
#include "TextLimits.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace dvk {

PurseCategoryDialog::PurseCategoryDialog(QWidget* parent)
    : QDialog(parent)
    , m_name(new QLineEdit)
{
    setWindowTitle(u"Purse Category Property"_s);
    m_name->setMaxLength(MaxNameLength);

    auto* label = new QLabel(u"Name:"_s);
    label->setBuddy(m_name);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(label);
    nameRow->addWidget(m_name, 1);

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addStretch();
    layout->addWidget(line);
    layout->addWidget(buttons);

    connect(m_name, &QLineEdit::textChanged, this, &PurseCategoryDialog::refreshOkButton);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    DialogUnits::fixSize(this, 187, 77);
    m_name->setFocus();
    refreshOkButton();
}

void PurseCategoryDialog::setName(const QString& name)
{
    TextLimits::setText(*m_name, name, MaxNameLength);
    refreshOkButton();
}

QString PurseCategoryDialog::name() const
{
    return m_name->text().trimmed();
}

bool PurseCategoryDialog::isOkEnabled() const
{
    return m_ok->isEnabled();
}

void PurseCategoryDialog::refreshOkButton()
{
    m_ok->setEnabled(!name().isEmpty());
}

} // namespace dvk
