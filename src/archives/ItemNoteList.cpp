#include "ItemNoteList.h"

#include "ArchiveItemList.h"
#include "DataStore.h"
#include "IconLibrary.h"
#include "ItemNoteModel.h"
#include "MenuCommands.h"
#include "NoteDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

constexpr int DateColumnWidth = 120;
constexpr int NarrowWidth = 220;

// Runs "DVK Note" preset with a date (kept at today when it does not exist) and a text.
ItemNoteList::NoteEditor noteDialogRunner(const Clock& clock)
{
    return
        [&clock](QWidget* parent,
                 const ItemNoteList::NoteInput& preset) -> std::optional<ItemNoteList::NoteInput> {
            NoteDialog dialog(clock, parent);
            if (preset.date.isValid())
                dialog.setDate(preset.date);
            dialog.setText(preset.text);
            if (dialog.exec() != QDialog::Accepted)
                return std::nullopt;
            return ItemNoteList::NoteInput{dialog.date(), dialog.text()};
        };
}

bool clipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

void setDate(NoteRecord& note, const QDate& date)
{
    note.year = date.year();
    note.month = date.month();
    note.day = date.day();
}

} // namespace

ItemNoteList::ItemNoteList(DataStore& store, QWidget* parent)
    : ItemNoteList(store, IconLibrary::instance(), parent)
{}

ItemNoteList::ItemNoteList(DataStore& store, const IconLibrary& icons, QWidget* parent)
    : ItemPartList(store, parent)
    , m_model(new ItemNoteModel(icons, this))
    , m_editNote(noteDialogRunner(store.clock()))
    , m_chooseIcon(&chooseInImageCenter)
{
    setModel(m_model);
    // Unlike the other lists of the panel the notes are drawn without grid lines.
    setShowGrid(false);
    setIconSize(QSize(IconLibrary::SmallSize, IconLibrary::SmallSize));
    recomputeColumns();
}

ItemNoteList::~ItemNoteList() = default;

std::pair<int, int> ItemNoteList::columnWidths(int width, const DialogUnits& units)
{
    if (width < units.scaleDesignedX(NarrowWidth))
        return {width / 2, width - width / 2};
    const int date = units.scaleDesignedX(DateColumnWidth);
    return {date, width - date};
}

void ItemNoteList::setNoteEditor(NoteEditor editor)
{
    m_editNote = std::move(editor);
}

void ItemNoteList::setIconChooser(IconChooser chooser)
{
    m_chooseIcon = std::move(chooser);
}

void ItemNoteList::showItem(ArchiveItem* item)
{
    std::vector<NoteRecord*> rows;
    if (ArchiveItem* shown = setShownItem(item)) {
        rows.reserve(size_t(shown->notes.count()));
        for (NoteRecord* note : shown->notes) {
            m_model->fixImageIndex(*note);
            rows.push_back(note);
        }
    }
    m_model->setRecords(std::move(rows));
    m_model->sortByDate(m_oldestFirst);
}

void ItemNoteList::dropRows()
{
    if (m_model->rowCount() > 0)
        m_model->setRecords({});
}

void ItemNoteList::recomputeColumns()
{
    const auto [date, note] = columnWidths(viewport()->width(), DialogUnits(font()));
    setColumnWidth(ItemNoteModel::DateColumn, date);
    setColumnWidth(ItemNoteModel::NoteColumn, note);
}

void ItemNoteList::appendNote(NoteRecord* note)
{
    m_model->fixImageIndex(*note);
    selectOnlyRow(m_model->append(note));
}

void ItemNoteList::reverseOrder()
{
    if (!validItem())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    m_oldestFirst = !m_oldestFirst;
    m_model->sortByDate(m_oldestFirst);
}

void ItemNoteList::chooseImage()
{
    if (validItem())
        setIconOfRows(this, m_chooseIcon, *m_model, selectedRowNumbers(),
                      [this] { return validItem() != nullptr; });
}

void ItemNoteList::add()
{
    if (!validItem())
        return;
    const std::optional<NoteInput> input = m_editNote(this, {store().clock().today(), QString()});
    ArchiveItem* item = validItem();
    if (!input || !item)
        return;
    NoteRecord* note = item->notes.add();
    setDate(*note, input->date);
    note->text = input->text.toLocal8Bit();
    appendNote(note);
}

void ItemNoteList::paste()
{
    ArchiveItem* item = validItem();
    if (!item || !clipboardHasText())
        return;
    const QString text = QGuiApplication::clipboard()->text();
    // A text of blanks only still gives a note, an empty one.
    NoteRecord* note = item->notes.add();
    note->text = text.trimmed().toLocal8Bit();
    appendNote(note);
}

void ItemNoteList::edit()
{
    NoteRecord* note = validItem() ? m_model->recordAt(firstSelectedRow()) : nullptr;
    if (!note)
        return;
    const std::optional<NoteInput> input = m_editNote(
        this, {QDate(note->year, note->month, note->day), QString::fromLocal8Bit(note->text)});
    if (!input || !validItem())
        return;
    setDate(*note, input->date);
    note->text = input->text.toLocal8Bit();
    m_model->rowChanged(m_model->rowOf(note));
}

void ItemNoteList::remove()
{
    removeSelected(*m_model, &ArchiveItem::notes);
}

std::unique_ptr<QMenu> ItemNoteList::makeContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    const bool valid = validItem() != nullptr;
    const qsizetype selected = valid ? selectionModel()->selectedRows().size() : 0;
    addCommand(*menu, u"Reverse Order"_s, this, &ItemNoteList::reverseOrder, valid);
    addCommand(*menu, u"Image..."_s, this, &ItemNoteList::chooseImage, selected > 0);
    menu->addSeparator();
    addCommand(*menu, u"Add..."_s, this, &ItemNoteList::add, valid);
    addCommand(*menu, u"Paste"_s, this, &ItemNoteList::paste, valid && clipboardHasText());
    addCommand(*menu, u"Edit..."_s, this, &ItemNoteList::edit, selected == 1);
    menu->addSeparator();
    addCommand(*menu, u"Remove"_s, this, &ItemNoteList::remove, selected > 0);
    return menu;
}

} // namespace dvk
