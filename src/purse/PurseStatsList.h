#pragma once

#include "PurseListView.h"
#include "PurseStatsModel.h"

namespace dvk {

// The statistics list below the entries: the total amount and the averages per day, week and
// month of the considered entries, four fixed rows without column headers.
class PurseStatsList final : public PurseListView
{
    Q_OBJECT

public:
    explicit PurseStatsList(QWidget* parent = nullptr);

    void showStatistics(const PurseStatistics& statistics);
    // Blanks every count and amount; the labels stay.
    void clearStatistics();
    const PurseStatistics& statistics() const { return m_model->statistics(); }
    PurseStatsModel* statsModel() const { return m_model; }

protected:
    QList<int> columnWidths(int width) const override;
    bool viewportEvent(QEvent* event) override;

private:
    void fitRows();

    PurseStatsModel* m_model;
};

} // namespace dvk
