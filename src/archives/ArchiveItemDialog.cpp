#include "ArchiveItemDialog.h"

#include "CategoryFilterBox.h"
#include "DialogUnits.h"
#include "TextLimits.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace dvk {

ArchiveItemDialog::ArchiveItemDialog(const QStringList& categories, const QString& category,
                                     const QString& name, bool nameEditable, QWidget* parent)
    : QDialog(parent)
    , m_nameEditable(nameEditable)
    , m_category(new CategoryFilterBox)
    , m_name(new QLineEdit)
{
    setWindowTitle(u"DVK Item Property"_s);

    m_category->setTexts(categories);
    m_category->preset(category);
    // A longer stored name is shown whole, so that OK never cuts it.
    TextLimits::setText(*m_name, name, MaxNameLength);
    m_name->setReadOnly(!m_nameEditable);
    if (!m_nameEditable) {
        // Greyed like a disabled field, so that nobody tries to type a name for several items.
        QPalette greyed = m_name->palette();
        greyed.setColor(QPalette::Base, greyed.color(QPalette::Window));
        m_name->setPalette(greyed);
    }

    auto* form = new QFormLayout;
    form->addRow(u"Category:"_s, m_category);
    form->addRow(u"Name:"_s, m_name);
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
    connect(m_name, &QLineEdit::textChanged, this, &ArchiveItemDialog::refreshOkButton);

    if (!category.isEmpty() && m_nameEditable)
        m_name->setFocus();
    else
        m_category->setFocus();
    refreshOkButton();
}

ArchiveItemDialog::~ArchiveItemDialog() = default;

QString ArchiveItemDialog::category() const
{
    return m_category->currentText().trimmed();
}

QString ArchiveItemDialog::name() const
{
    return m_name->text().trimmed();
}

void ArchiveItemDialog::refreshOkButton()
{
    if (m_nameEditable)
        m_ok->setEnabled(!name().isEmpty());
}

} // namespace dvk
