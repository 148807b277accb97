#pragma once

#include <QListView>

namespace dvk {

class IconGridModel;

// The icon view of the icon pickers: a wrapping grid of 32-pixel icons, arranged automatically
// as the view is resized, with a single selection that stays visible when the view loses focus.
// It keeps the model's underline on the selected item.
class IconGridView final : public QListView
{
    Q_OBJECT

public:
    explicit IconGridView(IconGridModel* model, QWidget* parent = nullptr);

    // The first (only) selected row; -1 when none.
    int selectedRow() const;
    // Selects `row` and scrolls to it; clears the selection when `row` is out of range.
    void selectRow(int row);

Q_SIGNALS:
    void selectionChangedTo(int row);

private:
    void onSelectionChanged();

    IconGridModel* m_model;
};

} // namespace dvk
