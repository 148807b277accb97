#include "DataFileErrorDialog.h"

#include "DialogUnits.h"
#include "PropertyDialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

QLabel* addText(QVBoxLayout* layout, const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

void addRule(QVBoxLayout* layout)
{
    layout->addWidget(horizontalRule());
}

} // namespace

const QString DataFileErrorDialog::SupportAddress = u"support@example.com"_s;

DataFileErrorDialog::DataFileErrorDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(u"DVK Data File Error"_s);

    auto* layout = new QVBoxLayout(this);
    addText(layout, u"An error occured while reading the DVK data file."_s);
    addRule(layout);
    addText(layout, u"If you have a recent backup:"_s);
    addText(layout, u"After the main window of DVK appears, click the [Tools] button and select "
                    "the \"Restore\" command on the menu."_s);
    addRule(layout);
    addText(layout, u"If you don't have a backup or the backup is too old:"_s);
    addText(layout, u"After the main window of DVK appears, click the [Close] button, then "
                    "restart DVK again. DVK will save as much data as possible."_s);
    addRule(layout);
    addText(layout, u"If you are not sure what to do and need help:"_s);
    QLabel* support = addText(
        layout, u"Click [Exit] and send a message to %1 with the subject \"DVK File Error\". "
                "Give as much information as possible."_s.arg(SupportAddress));
    support->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addStretch();

    auto* buttons = new QDialogButtonBox;
    m_continue = buttons->addButton(u"&Continue"_s, QDialogButtonBox::AcceptRole);
    m_exit = buttons->addButton(u"E&xit"_s, QDialogButtonBox::RejectRole);
    m_continue->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    DialogUnits::fixSize(this, 306, 177);
    m_continue->setFocus();
}

} // namespace dvk
