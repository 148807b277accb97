#include "ArchiveFieldList.h"

#include "ArchiveFieldDialog.h"
#include "ArchiveFieldModel.h"
#include "ArchiveItemList.h"
#include "ArchiveSuggestions.h"
#include "DataStore.h"
#include "MenuCommands.h"
#include "OpenLink.h"

#include <QHeaderView>
#include <QMenu>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

constexpr int NameColumnWidth = 120;
constexpr int MinValueWidth = 100;

} // namespace

ArchiveFieldList::ArchiveFieldList(DataStore& store, QWidget* parent)
    : ItemPartList(store, parent)
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
    std::vector<ArchiveField*> rows;
    if (ArchiveItem* shown = setShownItem(item)) {
        rows.reserve(size_t(shown->fields.count()));
        for (ArchiveField* field : shown->fields)
            rows.push_back(field);
    }
    m_model->setRecords(std::move(rows));
    recomputeColumns();
}

void ArchiveFieldList::dropRows()
{
    if (m_model->rowCount() > 0)
        m_model->setRecords({});
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
    ArchiveFieldDialog dialog(ArchiveSuggestions::fieldNames(store().archiveItems, item->category),
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
    ArchiveFieldDialog dialog(ArchiveSuggestions::fieldNames(store().archiveItems, item->category),
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
    if (removeSelected(*m_model, &ArchiveItem::fields))
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
    addCommand(*menu, u"Add..."_s, this, &ArchiveFieldList::add, valid);
    addCommand(*menu, u"Edit..."_s, this, &ArchiveFieldList::edit, rows.size() == 1);
    addCommand(*menu, u"Open..."_s, this, &ArchiveFieldList::open, openable);
    menu->addSeparator();
    addCommand(*menu, u"Remove"_s, this, &ArchiveFieldList::remove, !rows.isEmpty());
    return menu;
}

} // namespace dvk
