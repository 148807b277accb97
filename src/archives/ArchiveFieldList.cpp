#include "ArchiveFieldList.h"

#include "ArchiveFieldDialog.h"
#include "ArchiveFieldModel.h"
#include "ArchiveItemList.h"
#include "ArchiveSuggestions.h"
#include "DataStore.h"
#include "OpenLink.h"
#include "Prompts.h"
#include "RemoveRecords.h"
#include "SharedTexts.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QScopeGuard>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace dvk {

ArchiveFieldList::ArchiveFieldList(DataStore& store, QWidget* parent)
    : ArchiveListView(parent)
    , m_store(store)
    , m_model(new ArchiveFieldModel(this))
    , m_runDialog([](ArchiveFieldDialog& dialog) { return dialog.exec() == QDialog::Accepted; })
{
    setModel(m_model);
    setColumnWidth(ArchiveFieldModel::NameColumn,
                   DialogUnits(font()).scaleDesignedX(NameColumnWidth));
    recomputeColumns();
}

ArchiveFieldList::~ArchiveFieldList() = default;

std::pair<int, int> ArchiveFieldList::columnWidths(int nameWidth, int clientWidth,
                                                   const DialogUnits& units)
{
    const int name = std::max(0, std::min(nameWidth, clientWidth - 5));
    return {name, std::max(units.scaleDesignedX(MinValueWidth), clientWidth - name)};
}

void ArchiveFieldList::setDialogRunner(DialogRunner runner)
{
    m_runDialog = std::move(runner);
}

void ArchiveFieldList::showItem(ArchiveItem* item)
{
    m_item = item;
    std::vector<ArchiveField*> rows;
    if (m_item && m_store.archiveItems.contains(m_item)) {
        rows.reserve(size_t(m_item->fields.count()));
        for (ArchiveField* field : m_item->fields)
            rows.push_back(field);
    }
    m_model->setRecords(std::move(rows));
    recomputeColumns();
}

ArchiveItem* ArchiveFieldList::validItem()
{
    if (m_item && m_store.archiveItems.contains(m_item))
        return m_item;
    // The rows may point into a destroyed item: they go at once.
    if (m_model->rowCount() > 0)
        m_model->setRecords({});
    m_item = nullptr;
    return nullptr;
}

void ArchiveFieldList::recomputeColumns()
{
    const auto [name, value] = columnWidths(columnWidth(ArchiveFieldModel::NameColumn),
                                            viewport()->width(), DialogUnits(font()));
    setColumnWidth(ArchiveFieldModel::NameColumn, name);
    setColumnWidth(ArchiveFieldModel::ValueColumn, value);
}

void ArchiveFieldList::add()
{
    ArchiveItem* item = validItem();
    if (!item)
        return;
    ArchiveFieldDialog dialog(ArchiveSuggestions::fieldNames(m_store.archiveItems, item->category),
                              QString(), QString(), this);
    if (!m_runDialog(dialog) || !validItem())
        return;
    ArchiveField* field = item->fields.add();
    field->name = dialog.name().toLocal8Bit();
    field->value = dialog.value().toLocal8Bit();
    selectOnlyRow(m_model->append(field));
    recomputeColumns();
}

void ArchiveFieldList::edit()
{
    ArchiveItem* item = validItem();
    ArchiveField* field = item ? m_model->recordAt(firstSelectedRow()) : nullptr;
    if (!field)
        return;
    ArchiveFieldDialog dialog(ArchiveSuggestions::fieldNames(m_store.archiveItems, item->category),
                              QString::fromLocal8Bit(field->name),
                              QString::fromLocal8Bit(field->value), this);
    if (!m_runDialog(dialog) || !validItem())
        return;
    field->name = dialog.name().toLocal8Bit();
    field->value = dialog.value().toLocal8Bit();
    m_model->rowChanged(m_model->rowOf(field));
}

void ArchiveFieldList::remove()
{
    ArchiveItem* item = validItem();
    const QList<int> rows = selectedRowNumbers();
    if (!item || rows.isEmpty())
        return;
    if (!confirmRemoval(this, SharedTexts::RemoveSelectedItems) || !validItem())
        return;
    removeRecordsAt(
        rows, [this](int row) { return m_model->recordAt(row); },
        [this](const auto& doomed) { m_model->removeRecords(doomed); }, item->fields);
    recomputeColumns();
}

void ArchiveFieldList::open()
{
    const ArchiveField* field = validItem() ? m_model->recordAt(firstSelectedRow()) : nullptr;
    if (!field)
        return;
    const QString value = QString::fromLocal8Bit(field->value);
    OpenLink(value, ClassifyLink(value));
}

std::unique_ptr<QMenu> ArchiveFieldList::makeContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    const bool valid = validItem() != nullptr;
    const QList<int> rows = valid ? selectedRowNumbers() : QList<int>();
    bool openable = false;
    if (rows.size() == 1) {
        const QString value = QString::fromLocal8Bit(m_model->recordAt(rows.first())->value);
        openable = ClassifyLink(value) != LinkKind::None;
    }
    QAction* addAction = menu->addAction(u"Add..."_s);
    addAction->setEnabled(valid);
    connect(addAction, &QAction::triggered, this, &ArchiveFieldList::add);
    QAction* editAction = menu->addAction(u"Edit..."_s);
    editAction->setEnabled(rows.size() == 1);
    connect(editAction, &QAction::triggered, this, &ArchiveFieldList::edit);
    QAction* openAction = menu->addAction(u"Open..."_s);
    openAction->setEnabled(openable);
    connect(openAction, &QAction::triggered, this, &ArchiveFieldList::open);
    menu->addSeparator();
    QAction* removeAction = menu->addAction(u"Remove"_s);
    removeAction->setEnabled(!rows.isEmpty());
    connect(removeAction, &QAction::triggered, this, &ArchiveFieldList::remove);
    return menu;
}

} // namespace dvk
