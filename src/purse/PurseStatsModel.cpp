#include "PurseStatsModel.h"

namespace dvk {

PurseStatsModel::PurseStatsModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

int PurseStatsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : PurseStatistics::RowCount;
}

int PurseStatsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : PurseStatistics::ColumnCount;
}

QVariant PurseStatsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return m_statistics.text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                   : int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

void PurseStatsModel::setStatistics(const PurseStatistics& statistics)
{
    m_statistics = statistics;
    Q_EMIT dataChanged(index(0, 1),
                       index(PurseStatistics::RowCount - 1, PurseStatistics::ColumnCount - 1));
}

} // namespace dvk
