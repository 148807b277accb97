#include "ArchiveFieldDialog.h"

#include "DialogUnits.h"
#include "SortedComboBox.h"
#include "TextLimits.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace dvk {

ArchiveFieldDialog::ArchiveFieldDialog(const QStringList& suggestedNames, const QString& name,
                                       const QString& value, QWidget* parent)
    : QDialog(parent)
    , m_name(new SortedComboBox(MaxNameLength))
    , m_value(new QLineEdit)
{
    setWindowTitle(u"DVK Basic Info"_s);

    m_name->setTexts(suggestedNames);
    m_name->preset(name);
    // A longer stored value is shown whole, so that OK never cuts it.
    TextLimits::setText(*m_value, value, MaxValueLength);

    auto* form = new QFormLayout;
    form->addRow(u"Name:"_s, m_name);
    form->addRow(u"Value:"_s, m_value);
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(line);
    layout->addWidget(buttons);
    DialogUnits::fixSize(this, 224, 77);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_value, &QLineEdit::textChanged, this, &ArchiveFieldDialog::refreshOkButton);
    connect(m_name, &QComboBox::editTextChanged, this, &ArchiveFieldDialog::refreshOkButton);
    connect(m_name, &QComboBox::currentIndexChanged, this, &ArchiveFieldDialog::refreshOkButton);

    m_name->setFocus();
    refreshOkButton();
}

ArchiveFieldDialog::~ArchiveFieldDialog() = default;

QString ArchiveFieldDialog::name() const
{
    return m_name->currentText().trimmed();
}

QString ArchiveFieldDialog::value() const
{
    return m_value->text().trimmed();
}

void ArchiveFieldDialog::refreshOkButton()
{
    m_ok->setEnabled(!name().isEmpty() && !value().isEmpty());
}

} // namespace dvk
