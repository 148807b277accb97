#include "IconGridView.h"

#include "IconGridModel.h"

#include <QItemSelectionModel>

namespace dvk {

IconGridView::IconGridView(IconGridModel* model, QWidget* parent)
    : QListView(parent)
    , m_model(model)
{
    setModel(model);
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(32, 32));
    const int cell = fontMetrics().horizontalAdvance(QStringLiteral("______")) + 16;
    setGridSize(QSize(qMax(cell, 48), 32 + fontMetrics().height() + 12));
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);

    // The selection keeps the active colours when the view loses focus.
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &IconGridView::onSelectionChanged);
    connect(model, &QAbstractItemModel::modelReset, this, &IconGridView::onSelectionChanged);
}

int IconGridView::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void IconGridView::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void IconGridView::onSelectionChanged()
{
    const int row = selectedRow();
    m_model->setUnderlinedRow(row);
    Q_EMIT selectionChangedTo(row);
}

} // namespace dvk
