#include "NotesModel.h"

#include "FormatDate.h"
#include "IconLibrary.h"
#include "NoteTitle.h"

namespace dvk {
namespace {

// The list offers tips of this many characters, the end of text included.
constexpr qsizetype TipCapacity = 255;

} // namespace

NotesModel::NotesModel(const IconLibrary* icons, QObject* parent)
    : RecordTableModel(parent)
    , m_icons(icons)
{
    if (m_icons)
        connect(m_icons, &IconLibrary::changed, this, &NotesModel::reloadIcons);
    reloadIcons();
}

int NotesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant NotesModel::data(const QModelIndex& index, int role) const
{
    const NoteRecord* note = recordAt(index.row());
    if (!note || index.column() != 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return NoteTitle::of(note->text);
    case Qt::DecorationRole:
        if (note->imageIndex >= 0 && size_t(note->imageIndex) < m_pixmaps.size())
            return m_pixmaps[size_t(note->imageIndex)];
        return {};
    case Qt::ToolTipRole:
        return FormatDate(note->year, note->month, note->day, TipCapacity);
    default:
        return {};
    }
}

QString NotesModel::titleAt(int row) const
{
    const NoteRecord* note = recordAt(row);
    return note ? NoteTitle::of(note->text) : QString();
}

void NotesModel::reloadIcons()
{
    m_pixmaps.clear();
    if (m_icons) {
        const QList<QImage> images = m_icons->largeIcons().mid(0, m_icons->count());
        m_pixmaps.reserve(size_t(images.size()));
        for (const QImage& image : images)
            m_pixmaps.push_back(QPixmap::fromImage(image));
    }
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DecorationRole});
}

} // namespace dvk
