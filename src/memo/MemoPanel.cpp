#include "MemoPanel.h"

#include "FormatDate.h"
#include "IconLibrary.h"
#include "MemoPropertyDialog.h"
#include "MenuCommands.h"
#include "PanelTemplate.h"
#include "RemoveRecords.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QTableView>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

constexpr int ToneFrequency = 450;
constexpr int ToneMilliseconds = 75;
// Up to this client width the three columns share it equally.

QString formatDueDate(qint32 year, qint32 month, qint32 day)
{
    return FormatDate(year, month, day, 255);
}

} // namespace

MemoPanel::MemoPanel(RecordList<MemoRecord>& memos, const Clock& clock, QWidget* parent)
    : PanelWidget(parent)
    , m_memos(memos)
    , m_clock(clock)
    , m_schedule(clock, &formatDueDate)
    , m_model(new MemoListModel(m_schedule, &IconLibrary::instance(), this))
    , m_view(new QTableView(this))
    , m_runDialog([](MemoPropertyDialog& dialog) { return dialog.exec() == QDialog::Accepted; })
    , m_chooseIcon(&chooseInImageCenter)
{
    m_view->setModel(m_model);
    m_view->setShowGrid(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSortingEnabled(false);
    m_view->setWordWrap(false);
    m_view->setIconSize(QSize(IconLibrary::SmallSize, IconLibrary::SmallSize));
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->verticalHeader()->hide();
    // Fixed row heights keep scrolling through many rows cheap.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(
        std::max(IconLibrary::SmallSize + 4, m_view->fontMetrics().height() + 4));
    m_view->horizontalHeader()->setSectionsClickable(false);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->horizontalHeader()->setStretchLastSection(false);
    // The width rule may leave a column only a pixel wide.
    m_view->horizontalHeader()->setMinimumSectionSize(0);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (QObject* part : {static_cast<QObject*>(m_view), static_cast<QObject*>(m_view->viewport()),
                          static_cast<QObject*>(m_view->horizontalHeader()),
                          static_cast<QObject*>(m_view->horizontalHeader()->viewport())})
        part->installEventFilter(this);

    std::vector<MemoRecord*> rows;
    rows.reserve(size_t(m_memos.count()));
    for (MemoRecord* memo : m_memos)
        rows.push_back(memo);
    m_model->setRecords(std::move(rows));
    m_model->sortByDueMoment();

    connectListCommands(m_view, this, &MemoPanel::makeContextMenu, &MemoPanel::edit);
    connect(&m_refreshTimer, &QTimer::timeout, this, &MemoPanel::checkAlerts);
    connect(&m_beepTimer, &QTimer::timeout, this, &MemoPanel::beepTick);
    m_beepTimer.setInterval(BeepMilliseconds);
    m_refreshTimer.start(RefreshMilliseconds);

    resize(PanelTemplate::toPixels(this, 0, 0, 303, 170).size());
    m_view->setGeometry(rect());
    applyColumnWidths();
}

MemoPanel::~MemoPanel() = default;

std::array<int, 3> MemoPanel::columnWidths(int width, const DialogUnits& units)
{
    const int time = units.scaleDesignedX(150);
    const int status = units.scaleDesignedX(80);
    if (width <= time + status)
        return {width / 3, width / 3, width - 2 * (width / 3)};
    return {time, status, width - time - status};
}

void MemoPanel::setDialogRunner(DialogRunner runner)
{
    m_runDialog = std::move(runner);
}

void MemoPanel::setIconChooser(IconChooser chooser)
{
    m_chooseIcon = std::move(chooser);
}

void MemoPanel::setSilenceFilter(SilenceFilter filter)
{
    m_silenced = std::move(filter);
}

bool MemoPanel::holds(const MemoRecord* memo) const
{
    return memo && m_model->rowOf(memo) >= 0;
}

void MemoPanel::selectMemo(const MemoRecord* memo)
{
    selectOnly(memo);
}

bool MemoPanel::showMemo(int index)
{
    if (index < 0 || index >= m_memos.count() || !holds(m_memos.at(index)))
        return false;
    selectOnly(m_memos.at(index));
    return true;
}

bool MemoPanel::dismissMemo(MemoRecord* memo)
{
    if (!holds(memo))
        return false;
    m_beepTimer.stop();
    m_schedule.dismissIfDue(*memo);
    m_model->rowChanged(m_model->rowOf(memo));
    return true;
}

void MemoPanel::layoutPanes()
{
    m_view->setGeometry(rect());
    applyColumnWidths();
}

void MemoPanel::applyColumnWidths()
{
    const auto widths = columnWidths(m_view->viewport()->width(), DialogUnits(m_view->font()));
    for (int column = 0; column < int(widths.size()); ++column)
        m_view->setColumnWidth(column, widths[size_t(column)]);
}

bool MemoPanel::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        m_beepTimer.stop();
        break;
    case QEvent::MouseButtonPress: {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton)
            m_beepTimer.stop();
        break;
    }
    case QEvent::Resize:
        // A scroll bar that comes or goes changes the client width too.
        if (watched == m_view->viewport())
            applyColumnWidths();
        break;
    default:
        break;
    }
    return PanelWidget::eventFilter(watched, event);
}

QList<int> MemoPanel::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int MemoPanel::firstSelectedRow() const
{
    const QList<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

void MemoPanel::selectOnly(const MemoRecord* memo)
{
    const int row = m_model->rowOf(memo);
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(row, 0);
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_view->scrollTo(index);
}

void MemoPanel::add()
{
    MemoPropertyDialog dialog(m_clock, this);
    if (!m_runDialog(dialog))
        return;
    MemoRecord* memo = m_memos.add();
    dialog.storeInto(*memo);
    memo->dismissed = 0;
    m_model->append(memo);
    m_model->sortByDueMoment();
    selectOnly(memo);
}

void MemoPanel::edit()
{
    MemoRecord* memo = m_model->recordAt(firstSelectedRow());
    if (!memo)
        return;
    MemoPropertyDialog dialog(m_clock, this);
    dialog.loadFrom(*memo);
    if (m_runDialog(dialog)) {
        dialog.storeInto(*memo);
        memo->dismissed = 0;
        m_schedule.dismissIfDue(*memo);
        m_model->sortByDueMoment();
    } else {
        // Looking at a due memo is enough to dismiss it.
        m_schedule.dismissIfDue(*memo);
        m_model->rowChanged(m_model->rowOf(memo));
    }
}

void MemoPanel::chooseImage()
{
    setIconOfRows(this, m_chooseIcon, *m_model, selectedRows());
}

void MemoPanel::remove()
{
    removeRowsAfterAsking(this, selectedRows(), *m_model, m_memos);
}

void MemoPanel::checkAlerts()
{
    const std::vector<MemoRecord*>& rows = m_model->records();
    MemoSchedule::Alerts alerts =
        m_schedule.checkAlerts(std::vector<const MemoRecord*>(rows.begin(), rows.end()));
    if (m_silenced && !alerts.dueRows.empty()) {
        std::erase_if(alerts.dueRows,
                      [&](qsizetype row) { return m_silenced(*rows[size_t(row)]); });
        alerts.beep = std::any_of(alerts.dueRows.begin(), alerts.dueRows.end(),
                                  [&](qsizetype row) { return rows[size_t(row)]->beep != 0; });
    }
    std::vector<MemoRecord*> alerting;
    alerting.reserve(alerts.dueRows.size());
    for (const qsizetype row : alerts.dueRows)
        alerting.push_back(rows[size_t(row)]);
    if (alerts.dueRows.empty()) {
        m_view->viewport()->update();
        Q_EMIT alertsChecked(alerting);
        return;
    }
    // Due rows join the selection in runs, so thousands of them cost one selection change.
    QItemSelection due;
    for (size_t i = 0; i < alerts.dueRows.size();) {
        size_t end = i + 1;
        while (end < alerts.dueRows.size() && alerts.dueRows[end] == alerts.dueRows[end - 1] + 1)
            ++end;
        due.select(m_model->index(int(alerts.dueRows[i]), 0),
                   m_model->index(int(alerts.dueRows[end - 1]), MemoListModel::ColumnCount - 1));
        i = end;
    }
    m_view->selectionModel()->select(due, QItemSelectionModel::Select);
    if (alerts.beep && !m_beepTimer.isActive())
        m_beepTimer.start();
    Q_EMIT memoAlert();
    m_model->sortByDueMoment();
    Q_EMIT alertsChecked(alerting);
}

void MemoPanel::beepTick()
{
    m_tone.playTone(ToneFrequency, ToneMilliseconds, 0);
}

std::unique_ptr<QMenu> MemoPanel::makeContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    const int selected = int(m_view->selectionModel()->selectedRows().size());
    addCommand(*menu, u"Add..."_s, this, &MemoPanel::add);
    addCommand(*menu, u"Edit..."_s, this, &MemoPanel::edit, selected == 1);
    addCommand(*menu, u"Image..."_s, this, &MemoPanel::chooseImage, selected == 1);
    menu->addSeparator();
    addCommand(*menu, u"Remove"_s, this, &MemoPanel::remove, selected > 0);
    return menu;
}

} // namespace dvk
