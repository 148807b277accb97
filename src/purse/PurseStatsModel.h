#pragma once

#include "PurseStatistics.h"

#include <QAbstractTableModel>

namespace dvk {

// The four fixed rows of the statistics list: labels on the left, counts and amounts right
// aligned, blank cells while nothing is shown.
class PurseStatsModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit PurseStatsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const PurseStatistics& statistics() const { return m_statistics; }
    void setStatistics(const PurseStatistics& statistics);

private:
    PurseStatistics m_statistics;
};

} // namespace dvk
