#include "AboutDialog.h"

#include "DialogUnits.h"
#include "LinkLabel.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace dvk {

const QString AboutDialog::HomePage = QStringLiteral("https://www.quillmark.example.org/");

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
    , m_link(new LinkLabel(HomePage, this))
{
    setWindowTitle(tr("About DVK"));
    m_link->setTarget(HomePage);

    auto* const icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    icon->setPixmap(QApplication::windowIcon().pixmap(iconSize, iconSize));
    icon->setFixedSize(iconSize, iconSize);

    auto* const buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setDefault(true);

    auto* const grid = new QGridLayout(this);
    grid->setHorizontalSpacing(DialogUnits(font()).toPixelsX(10));
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(tr("DVK Version 2.9"), this), 0, 1);
    grid->addWidget(m_link, 1, 1, Qt::AlignLeft);
    grid->setRowStretch(2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(buttons, &QDialogButtonBox::accepted, this, &AboutDialog::accept);

    m_ok->setFocus();
    DialogUnits::fixSize(this, 170, 62);
}

} // namespace dvk
