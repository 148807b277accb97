#include "HistoryDialog.h"

#include "FormatDate.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace dvk {

HistoryDialog::HistoryDialog(const QList<HistoryKeeper::Copy>& copies, QWidget* parent)
    : QDialog(parent)
    , m_copies(copies)
    , m_list(new QTreeWidget(this))
{
    setWindowTitle(u"History"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        copies.isEmpty() ? u"DVK has not kept an earlier version of the data file yet."_s
                         : u"Earlier versions of the data file, kept before the first save of "
                           u"each hour:"_s,
        this));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({u"Date"_s, u"Time"_s, u"Size"_s});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    const QLocale locale;
    for (const HistoryKeeper::Copy& copy : copies) {
        // The time the version was written, which is what the user remembers.
        const QDate date = copy.saved.date();
        auto* row = new QTreeWidgetItem(m_list);
        row->setText(0, FormatDate(date.year(), date.month(), date.day()));
        row->setText(1, copy.saved.time().toString(u"HH:mm"_s));
        row->setText(2, locale.formattedDataSize(copy.size));
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_list);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_restore = buttons->addButton(u"&Restore"_s, QDialogButtonBox::AcceptRole);
    m_restore->setEnabled(false);
    layout->addWidget(buttons);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_restore->setEnabled(!m_list->selectedItems().isEmpty()); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &HistoryDialog::choose);
    connect(buttons, &QDialogButtonBox::accepted, this, &HistoryDialog::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void HistoryDialog::choose()
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (row < 0 || row >= m_copies.size() || m_list->selectedItems().isEmpty())
        return;
    m_chosen = m_copies[row].path;
    accept();
}

} // namespace dvk
