#pragma once

#include <QList>

class QDialog;
class QPushButton;
class QString;
class QWidget;

namespace dvk {

// The shape the two icon dialogs share, Image Center and Extract Icon: the icon grid filling a
// dialog of 392×226 dialog units, and under it the dialog's own buttons on the left and OK and
// Cancel on the right, each button at least 50×14 units.
namespace IconDialogLayout {

// A button that is not the default one: Enter stays with OK.
QPushButton* button(const QString& text, const QString& objectName, QWidget* parent);

// Lays out `dialog`. `rowSpacing` is the button row's spacing in dialog units, or -1 for the
// style's; `gridToButtons` the space between the grid and the row.
void arrange(QDialog& dialog, QWidget* grid, const QList<QPushButton*>& leftButtons,
             QPushButton* ok, QPushButton* cancel, int rowSpacing, int gridToButtons);

} // namespace IconDialogLayout
} // namespace dvk
