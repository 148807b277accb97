#include "ArchiveItemDialog.h"

#include "CategoryFilterBox.h"
#include "TextLimits.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace dvk {

ArchiveItemDialog::ArchiveItemDialog(const QStringList& categories, const QString& category,
                                     const QString& name, bool nameEditable, QWidget* parent)
    : PropertyDialog(u"DVK Item Property"_s, parent)
    , m_nameEditable(nameEditable)
    , m_category(new CategoryFilterBox)
    , m_name(new QLineEdit)
{
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
    setFields(form, 224, 77);

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

bool ArchiveItemDialog::acceptable() const
{
    return !m_nameEditable || !name().isEmpty();
}

} // namespace dvk
