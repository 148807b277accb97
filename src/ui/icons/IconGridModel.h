#pragma once

#include <QAbstractListModel>
#include <QImage>
#include <QList>

namespace dvk {

// The items of the icon pickers (Image Center, Extract Icon): one per picture, whose decoration
// is the picture and whose text is a line of underscores under the selected one only, so the
// chosen icon stands out even where the style draws selection faintly.
class IconGridModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces every item.
    void setImages(QList<QImage> images);
    // Replaces the picture of one item.
    void setImage(int row, const QImage& image);
    // The row that carries the underline; -1 for none.
    void setUnderlinedRow(int row);
    int underlinedRow() const { return m_underlined; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    static const QString Underline;

private:
    QList<QImage> m_images;
    int m_underlined = -1;
};

} // namespace dvk
