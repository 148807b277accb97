#include "FindWindow.h"

#include "DataStore.h"
#include "FindResultModel.h"
#include "ProgramIcons.h"
#include "SearchRunner.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace dvk {

FindWindow::FindWindow(const DataStore& store, QWidget* parent)
    : QDialog(parent)
    , m_store(store)
    , m_box(new QLineEdit(this))
    , m_view(new QTreeView(this))
    , m_model(new FindResultModel(this))
    , m_count(new QLabel(this))
    , m_runner(new SearchRunner(this))
{
    setWindowTitle(u"DVK Find"_s);
    setWindowIcon(ProgramIcons::application());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setObjectName(u"findWindow"_s);
    resize(640, 420);

    m_box->setPlaceholderText(u"Find in Archives, Purse, Memo and Notes"_s);
    m_box->setClearButtonEnabled(true);
    m_box->installEventFilter(this);
    m_view->setModel(m_model);
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setAllColumnsShowFocus(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->installEventFilter(this);
    QHeaderView* header = m_view->header();
    header->setStretchLastSection(false);
    header->resizeSection(FindResultModel::TitleColumn, 200);
    header->setSectionResizeMode(FindResultModel::SnippetColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(FindResultModel::DateColumn, QHeaderView::ResizeToContents);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_box);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_count);

    connect(m_box, &QLineEdit::textChanged, this, &FindWindow::search);
    connect(m_view, &QTreeView::doubleClicked, this, &FindWindow::goToCurrent);
    connect(m_runner, &SearchRunner::found, this, [this](const std::vector<SearchMatch>& matches) {
        const bool first = m_model->rowCount() == 0;
        m_model->append(matches);
        if (first)
            m_view->setCurrentIndex(m_model->index(0, 0));
        showCount();
    });
    connect(m_runner, &SearchRunner::finished, this, &FindWindow::showCount);
}

FindWindow::~FindWindow() = default;

void FindWindow::search()
{
    if (!m_snapshot)
        m_snapshot = std::make_shared<const SearchSnapshot>(m_store);
    m_model->reset(m_snapshot);
    m_runner->start(m_snapshot, m_box->text());
    showCount();
}

void FindWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        m_snapshot.reset();
        return;
    }
    if (!m_snapshot) {
        m_snapshot = std::make_shared<const SearchSnapshot>(m_store);
        if (!m_box->text().isEmpty())
            search();
    }
}

void FindWindow::showCount()
{
    const int rows = m_model->rowCount();
    if (m_box->text().trimmed().isEmpty())
        m_count->clear();
    else if (m_runner->isRunning())
        m_count->setText(u"Searching... %1 found so far"_s.arg(rows));
    else if (rows == 0)
        m_count->setText(u"Nothing found."_s);
    else if (rows == 1)
        m_count->setText(u"1 record found."_s);
    else
        m_count->setText(u"%1 records found."_s.arg(rows));
}

void FindWindow::goToCurrent()
{
    QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        current = m_model->index(0, 0);
    const SearchHit hit = m_model->hit(current.row());
    if (hit.index >= 0)
        Q_EMIT goToHit(hit);
}

bool FindWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        goToCurrent();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // The arrows move through the results while the focus stays in the box.
        if (watched == m_box) {
            QKeyEvent copy(key->type(), key->key(), key->modifiers());
            QCoreApplication::sendEvent(m_view, &copy);
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace dvk
