#include "IconGridModel.h"

namespace dvk {

using namespace Qt::StringLiterals;

const QString IconGridModel::Underline = u"_____"_s;

void IconGridModel::setImages(QList<QImage> images)
{
    beginResetModel();
    m_images = std::move(images);
    m_underlined = -1;
    endResetModel();
}

void IconGridModel::setImage(int row, const QImage& image)
{
    if (row < 0 || row >= m_images.size())
        return;
    m_images[row] = image;
    Q_EMIT dataChanged(index(row), index(row));
}

void IconGridModel::setUnderlinedRow(int row)
{
    if (row == m_underlined)
        return;
    const int previous = m_underlined;
    m_underlined = row;
    for (int changed : {previous, row})
        if (changed >= 0 && changed < m_images.size())
            Q_EMIT dataChanged(index(changed), index(changed), {Qt::DisplayRole});
}

int IconGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_images.size());
}

QVariant IconGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_images.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return index.row() == m_underlined ? Underline : QString();
    case Qt::DecorationRole:
        return m_images.at(index.row());
    case Qt::UserRole:
        return index.row();
    default:
        return {};
    }
}

} // namespace dvk
