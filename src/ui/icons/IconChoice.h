#pragma once

#include <QList>
#include <functional>
#include <optional>

class QWidget;

namespace dvk {

// Asks the user for an icon of the library, offering `current` first: the chosen position, or
// none when the user cancelled. Lists hold one so that tests can answer in place of the dialog.
using IconChooser = std::function<std::optional<int>(QWidget* parent, int current)>;

// The Image Center dialog as an IconChooser.
std::optional<int> chooseInImageCenter(QWidget* parent, int current);

// The "Image..." command of a list: offers the icon of the first of `rows` (ascending) and gives
// the chosen one to the records of all of them. `stillValid` is asked once the user has chosen,
// for lists whose records may have gone while the dialog was open.
template <class Model, class StillValid>
void setIconOfRows(QWidget* parent, const IconChooser& choose, Model& model, const QList<int>& rows,
                   StillValid stillValid)
{
    const auto* first = rows.isEmpty() ? nullptr : model.recordAt(rows.first());
    if (!first)
        return;
    const std::optional<int> chosen = choose(parent, first->imageIndex);
    if (!chosen || !stillValid())
        return;
    for (const int row : rows) {
        model.recordAt(row)->imageIndex = *chosen;
        model.rowChanged(row);
    }
}

template <class Model>
void setIconOfRows(QWidget* parent, const IconChooser& choose, Model& model, const QList<int>& rows)
{
    setIconOfRows(parent, choose, model, rows, [] { return true; });
}

} // namespace dvk
