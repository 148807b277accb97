#include "NotesPanel.h"

#include "DialogUnits.h"
#include "IconLibrary.h"
#include "MenuCommands.h"
#include "NoteDialog.h"
#include "NoteEditor.h"
#include "NotesModel.h"
#include "Prompts.h"
#include "RemoveRecords.h"

#include <QApplication>
#include <QClipboard>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

const QMimeData* clipboardData()
{
    return QGuiApplication::clipboard()->mimeData();
}

} // namespace

NotesPanel::NotesPanel(RecordList<NoteRecord>& notes, const Clock& clock, QWidget* parent)
    : NotesPanelFrame(new QListView, parent)
    , m_notes(notes)
    , m_clock(clock)
    , m_view(static_cast<QListView*>(view()))
    , m_model(new NotesModel(&IconLibrary::instance(), this))
    , m_runDialog([](NoteDialog& dialog) { return dialog.exec() == QDialog::Accepted; })
    , m_chooseIcon(&chooseInImageCenter)
{
    m_view->setViewMode(QListView::IconMode);
    m_view->setMovement(QListView::Static);
    m_view->setFlow(QListView::LeftToRight);
    m_view->setWrapping(true);
    m_view->setResizeMode(QListView::Adjust);
    m_view->setIconSize(QSize(IconLibrary::LargeSize, IconLibrary::LargeSize));
    // Equal cells let the view place thousands of icons without measuring each label.
    m_view->setUniformItemSizes(true);
    m_view->setGridSize(QSize(DialogUnits(font()).scaleDesignedX(CellWidth),
                              IconLibrary::LargeSize + 2 * fontMetrics().height() + 12));
    m_view->setWordWrap(true);
    m_view->setTextElideMode(Qt::ElideRight);
    m_view->setSpacing(0);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setSelectionRectVisible(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setDragEnabled(false);
    m_view->setFrameShape(QFrame::StyledPanel);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setModel(m_model);

    correctImageIndexes(m_notes, IconLibrary::instance().count());
    std::vector<NoteRecord*> rows;
    rows.reserve(size_t(m_notes.count()));
    for (NoteRecord* note : m_notes)
        rows.push_back(note);
    m_model->setRecords(std::move(rows));

    connectListCommands(m_view, this, &NotesPanel::makeContextMenu, &NotesPanel::edit);
}

NotesPanel::~NotesPanel() = default;

void NotesPanel::correctImageIndexes(const RecordList<NoteRecord>& notes, int iconCount)
{
    if (iconCount <= 0)
        return;
    for (NoteRecord* note : notes) {
        if (note->imageIndex < 0 || note->imageIndex >= iconCount)
            note->imageIndex = 0;
    }
}

void NotesPanel::setDialogRunner(DialogRunner runner)
{
    m_runDialog = std::move(runner);
}

void NotesPanel::setIconChooser(IconChooser chooser)
{
    m_chooseIcon = std::move(chooser);
}

QList<int> NotesPanel::selectedRows() const
{
    QList<int> rows;
    const QModelIndexList indexes = m_view->selectionModel()->selectedIndexes();
    rows.reserve(indexes.size());
    for (const QModelIndex& index : indexes)
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void NotesPanel::selectOnly(int row)
{
    const QModelIndex index = m_model->index(row, 0);
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_view->scrollTo(index);
}

bool NotesPanel::showNote(int index)
{
    if (index < 0 || index >= m_notes.count())
        return false;
    const int row = m_model->rowOf(m_notes.at(index));
    if (row < 0)
        return false;
    selectOnly(row);
    return true;
}

void NotesPanel::add()
{
    NoteDialog dialog(m_clock, this);
    if (!m_runDialog(dialog))
        return;
    NoteRecord* note = m_notes.add();
    dialog.storeInto(*note);
    note->imageIndex = 0;
    selectOnly(m_model->append(note));
}

void NotesPanel::paste()
{
    const QMimeData* data = clipboardData();
    if (!data || !data->hasText())
        return;
    const QString text = data->text();
    // A note longer than the editor takes could never be opened without freezing the window;
    // the text stays on the clipboard.
    if (text.size() > NoteEditor::MaxLength) {
        Prompts::current().message(this, NoteEditor::TooLongMessage, Prompts::Buttons::Ok,
                                   Prompts::Icon::Warning);
        return;
    }
    NoteRecord* note = m_notes.add();
    note->text = text.toLocal8Bit();
    m_model->append(note);
}

void NotesPanel::edit()
{
    const QList<int> rows = selectedRows();
    NoteRecord* note = rows.isEmpty() ? nullptr : m_model->recordAt(rows.first());
    if (!note)
        return;
    NoteDialog dialog(m_clock, this);
    dialog.loadFrom(*note);
    if (!m_runDialog(dialog))
        return;
    dialog.storeInto(*note);
    m_model->rowChanged(rows.first());
}

void NotesPanel::chooseImage()
{
    setIconOfRows(this, m_chooseIcon, *m_model, selectedRows());
}

void NotesPanel::remove()
{
    removeRowsAfterAsking(this, selectedRows(), *m_model, m_notes);
}

std::unique_ptr<QMenu> NotesPanel::makeContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    const qsizetype selected = m_view->selectionModel()->selectedIndexes().size();
    const QMimeData* data = clipboardData();
    addCommand(*menu, u"Add..."_s, this, &NotesPanel::add);
    addCommand(*menu, u"Paste"_s, this, &NotesPanel::paste, data && data->hasText());
    addCommand(*menu, u"Edit..."_s, this, &NotesPanel::edit, selected == 1);
    addCommand(*menu, u"Image..."_s, this, &NotesPanel::chooseImage, selected == 1);
    menu->addSeparator();
    addCommand(*menu, u"Remove"_s, this, &NotesPanel::remove, selected > 0);
    return menu;
}

} // namespace dvk
