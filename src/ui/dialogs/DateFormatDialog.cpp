#include "DateFormatDialog.h"

#include "DatePicture.h"
#include "DialogUnits.h"
#include "SettingsStore.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dvk {
namespace {

// The sample is built as into a 255-character buffer: a longer result counts as rejected.
constexpr qsizetype SampleLimit = 254;

} // namespace

DateFormatDialog::DateFormatDialog(QWidget* parent, const Clock& clock)
    : QDialog(parent)
    , m_clock(clock)
    , m_format(new QLineEdit(this))
    , m_sample(new QLineEdit(this))
    , m_showSample(new QPushButton(tr("Show Sample"), this))
{
    setWindowTitle(tr("Date Format"));

    m_format->setMaxLength(int(DatePicture::MaxPictureLength));
    m_sample->setReadOnly(true);
    m_showSample->setAutoDefault(false);

    auto* const buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setDefault(true);

    auto* const formatLabel = new QLabel(tr("Format:"), this);
    formatLabel->setBuddy(m_format);
    auto* const sampleLabel = new QLabel(tr("Sample:"), this);
    sampleLabel->setBuddy(m_sample);

    auto* const grid = new QGridLayout(this);
    grid->addWidget(formatLabel, 0, 0);
    grid->addWidget(m_format, 0, 1, 1, 2);
    grid->addWidget(sampleLabel, 1, 0);
    grid->addWidget(m_sample, 1, 1, 1, 2);
    grid->setRowStretch(2, 1);
    grid->addWidget(m_showSample, 3, 1, Qt::AlignLeft);
    grid->addWidget(buttons, 3, 2);
    grid->setColumnStretch(1, 1);

    connect(m_format, &QLineEdit::textChanged, this, &DateFormatDialog::refreshOkButton);
    connect(m_showSample, &QPushButton::clicked, this, &DateFormatDialog::showSample);
    connect(buttons, &QDialogButtonBox::accepted, this, &DateFormatDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DateFormatDialog::reject);

    const std::optional<QString> stored =
        SettingsStore().readText(SettingsStore::DateFormat, DatePicture::MaxPictureLength);
    const QString text = stored.value_or(QString()).trimmed();
    m_format->setText(text.isEmpty() ? DatePicture::DefaultPicture : text);
    m_format->setFocus();
    refreshOkButton();

    DialogUnits::fixSize(this, 200, 62);
}

QString DateFormatDialog::picture() const
{
    return m_format->text().trimmed();
}

std::optional<QString> DateFormatDialog::sampleText(const QString& picture, QDate today)
{
    return DatePicture::format(picture.trimmed(), today, QLocale::system(), SampleLimit);
}

void DateFormatDialog::refreshOkButton()
{
    m_ok->setEnabled(sampleText(picture(), m_clock.today()).has_value());
}

void DateFormatDialog::showSample()
{
    m_sample->setText(sampleText(picture(), m_clock.today()).value_or(QString()));
}

void DateFormatDialog::accept()
{
    if (!m_ok->isEnabled())
        return;
    SettingsStore().writeText(SettingsStore::DateFormat, picture());
    QDialog::accept();
}

} // namespace dvk
