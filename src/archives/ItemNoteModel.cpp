#include "ItemNoteModel.h"

#include "ColumnHeaders.h"
#include "FormatDate.h"
#include "IconLibrary.h"
#include "ItemNoteRows.h"

using namespace Qt::StringLiterals;

namespace dvk {

ItemNoteModel::ItemNoteModel(const IconLibrary& icons, QObject* parent)
    : RecordTableModel(parent)
    , m_icons(icons)
{
    connect(&m_icons, &IconLibrary::changed, this, [this] {
        if (rowCount() > 0)
            Q_EMIT dataChanged(index(0, DateColumn), index(rowCount() - 1, DateColumn),
                               {Qt::DecorationRole});
    });
}

int ItemNoteModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ItemNoteModel::data(const QModelIndex& index, int role) const
{
    const NoteRecord* note = recordAt(index.row());
    if (!note)
        return {};
    if (role == Qt::DisplayRole) {
        if (index.column() == DateColumn)
            return FormatDate(note->year, note->month, note->day);
        if (index.column() == NoteColumn)
            return ItemNoteRows::summary(note->text);
    } else if (role == Qt::DecorationRole && index.column() == DateColumn) {
        const QImage icon = m_icons.smallIcon(note->imageIndex);
        if (!icon.isNull())
            return icon;
    }
    return {};
}

QVariant ItemNoteModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QList<HeaderColumn> columns{{u"Date"_s}, {u"Note"_s}};
    return columnHeaderData(columns, section, orientation, role);
}

void ItemNoteModel::fixImageIndex(NoteRecord& note) const
{
    // A negative index, which only a damaged file can hold, is beyond the library as well.
    if (note.imageIndex < 0 || note.imageIndex >= m_icons.count())
        note.imageIndex = 0;
}

void ItemNoteModel::sortByDate(bool oldestFirst)
{
    reorder(ItemNoteRows::dateOrder(records(), oldestFirst));
}

} // namespace dvk
