#include "IconDialogLayout.h"

#include "DialogUnits.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace dvk::IconDialogLayout {

QPushButton* button(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(objectName);
    pushButton->setAutoDefault(false);
    return pushButton;
}

void arrange(QDialog& dialog, QWidget* grid, const QList<QPushButton*>& leftButtons,
             QPushButton* ok, QPushButton* cancel, int rowSpacing, int gridToButtons)
{
    const DialogUnits units(dialog.font());
    auto* buttons = new QHBoxLayout;
    if (rowSpacing >= 0)
        buttons->setSpacing(units.toPixelsX(rowSpacing));
    for (QPushButton* left : leftButtons)
        buttons->addWidget(left);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addSpacing(units.toPixelsX(1));
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(units.toPixelsX(5), units.toPixelsY(5), units.toPixelsX(5),
                               units.toPixelsY(5));
    layout->setSpacing(units.toPixelsY(gridToButtons));
    layout->addWidget(grid, 1);
    layout->addLayout(buttons);
    for (QPushButton* pushButton : leftButtons + QList<QPushButton*>{ok, cancel})
        pushButton->setMinimumSize(units.toPixels(50, 14));
    DialogUnits::fixSize(&dialog, 392, 226);
}

} // namespace dvk::IconDialogLayout
