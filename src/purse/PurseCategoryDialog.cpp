#include "PurseCategoryDialog.h"

#include "TextLimits.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace dvk {

PurseCategoryDialog::PurseCategoryDialog(QWidget* parent)
    : PropertyDialog(u"Purse Category Property"_s, parent)
    , m_name(new QLineEdit)
{
    m_name->setMaxLength(MaxNameLength);

    auto* label = new QLabel(u"Name:"_s);
    label->setBuddy(m_name);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(label);
    nameRow->addWidget(m_name, 1);

    setFields(nameRow, 187, 77);
    connect(m_name, &QLineEdit::textChanged, this, &PurseCategoryDialog::refreshOkButton);
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

bool PurseCategoryDialog::acceptable() const
{
    return !name().isEmpty();
}

} // namespace dvk
