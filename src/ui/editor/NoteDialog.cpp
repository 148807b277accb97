#include "NoteDialog.h"

#include "Clock.h"
#include "DatePicker.h"
#include "DialogUnits.h"
#include "NoteEditor.h"
#include "Records.h"
#include "TextLimits.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

// The size the dialog opens at, in dialog units.
constexpr QSize TemplateSize(280, 180);

} // namespace

NoteDialog::NoteDialog(QWidget* parent)
    : NoteDialog(Clock::system(), parent)
{}

NoteDialog::NoteDialog(const Clock& clock, QWidget* parent)
    : QDialog(parent)
    , m_date(makeDatePicker(clock.today()))
    , m_editor(new NoteEditor)
    , m_ok(new QPushButton(u"OK"_s))
    , m_cancel(new QPushButton(u"Cancel"_s))
{
    setWindowTitle(u"DVK Note"_s);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    m_ok->setDefault(true);
    m_editor->setTabChangesFocus(false);

    auto* top = new QHBoxLayout;
    top->addWidget(m_date);
    top->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_editor, 1);
    layout->addLayout(buttons);

    const DialogUnits units(font());
    resize(units.toPixels(TemplateSize.width(), TemplateSize.height()));

    connect(m_editor, &QPlainTextEdit::textChanged, this, &NoteDialog::postRefreshOkButton);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_editor->setFocus();
    refreshOkButton();
}

NoteDialog::~NoteDialog() = default;

void NoteDialog::loadFrom(const NoteRecord& note)
{
    if (QDate::isValid(note.year, note.month, note.day))
        setDate(QDate(note.year, note.month, note.day));
    setText(QString::fromLocal8Bit(note.text));
}

void NoteDialog::storeInto(NoteRecord& note) const
{
    const QDate day = date();
    note.year = day.year();
    note.month = day.month();
    note.day = day.day();
    note.text = text().toLocal8Bit();
}

QString NoteDialog::text() const
{
    return TextLimits::rawText(*m_editor->document()).trimmed();
}

void NoteDialog::setText(const QString& text)
{
    m_editor->setNoteText(text);
    refreshOkButton();
}

QDate NoteDialog::date() const
{
    return m_date->date();
}

void NoteDialog::setDate(const QDate& date)
{
    m_date->setDate(date);
}

bool NoteDialog::isOkEnabled() const
{
    return m_ok->isEnabled();
}

void NoteDialog::refreshOkButton()
{
    m_refreshPending = false;
    m_ok->setEnabled(!m_editor->isBlank());
}

void NoteDialog::postRefreshOkButton()
{
    // A paste changes the text many times over; one check afterwards is enough.
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QMetaObject::invokeMethod(this, &NoteDialog::refreshOkButton, Qt::QueuedConnection);
}

} // namespace dvk
