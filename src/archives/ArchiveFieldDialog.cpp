#include "ArchiveFieldDialog.h"

#include "SortedComboBox.h"
#include "TextLimits.h"

#include <QFormLayout>
#include <QLineEdit>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

constexpr int MaxNameLength = 80;
constexpr int MaxValueLength = 255;

} // namespace

ArchiveFieldDialog::ArchiveFieldDialog(const QStringList& suggestedNames, const QString& name,
                                       const QString& value, QWidget* parent)
    : PropertyDialog(u"DVK Basic Info"_s, parent)
    , m_name(new SortedComboBox(MaxNameLength))
    , m_value(new QLineEdit)
{

    m_name->setTexts(suggestedNames);
    m_name->preset(name);
    // A longer stored value is shown whole, so that OK never cuts it.
    TextLimits::setText(*m_value, value, MaxValueLength);

    auto* form = new QFormLayout;
    form->addRow(u"Name:"_s, m_name);
    form->addRow(u"Value:"_s, m_value);
    setFields(form, 224, 77);

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

bool ArchiveFieldDialog::acceptable() const
{
    return !name().isEmpty() && !value().isEmpty();
}

} // namespace dvk
