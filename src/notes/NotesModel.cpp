#include "NotesModel.h"

#include "FormatDate.h"
#include "IconLibrary.h"
#include "NoteTitle.h"

#include <algorithm>

namespace dvk {
namespace {

// The list offers tips of this many characters, the end of text included.
constexpr qsizetype TipCapacity = 255;

} // namespace

NotesModel::NotesModel(const IconLibrary* icons, QObject* parent)
    : QAbstractListModel(parent)
    , m_icons(icons)
{
    if (m_icons)
        connect(m_icons, &IconLibrary::changed, this, &NotesModel::reloadIcons);
    reloadIcons();
}

int NotesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_notes.size());
}

QVariant NotesModel::data(const QModelIndex& index, int role) const
{
    const NoteRecord* note = noteAt(index.row());
    if (!note || index.column() != 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_titles[index.row()];
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

void NotesModel::setNotes(const std::vector<NoteRecord*>& notes)
{
    beginResetModel();
    m_notes = notes;
    m_titles.clear();
    m_titles.reserve(qsizetype(notes.size()));
    for (const NoteRecord* note : notes)
        m_titles.append(NoteTitle::of(note->text));
    endResetModel();
}

int NotesModel::append(NoteRecord* note)
{
    const int row = int(m_notes.size());
    beginInsertRows({}, row, row);
    m_notes.push_back(note);
    m_titles.append(NoteTitle::of(note->text));
    endInsertRows();
    return row;
}

void NotesModel::removeNotes(const QSet<const NoteRecord*>& notes)
{
    // Runs of neighbouring rows go out together, from the end so rows before stay valid.
    int row = int(m_notes.size()) - 1;
    while (row >= 0) {
        if (!notes.contains(m_notes[size_t(row)])) {
            --row;
            continue;
        }
        const int last = row;
        while (row > 0 && notes.contains(m_notes[size_t(row - 1)]))
            --row;
        beginRemoveRows({}, row, last);
        m_notes.erase(m_notes.begin() + row, m_notes.begin() + last + 1);
        m_titles.remove(row, last - row + 1);
        endRemoveRows();
        --row;
    }
}

NoteRecord* NotesModel::noteAt(int row) const
{
    return row >= 0 && size_t(row) < m_notes.size() ? m_notes[size_t(row)] : nullptr;
}

int NotesModel::rowOf(const NoteRecord* note) const
{
    const auto it = std::find(m_notes.begin(), m_notes.end(), note);
    return it == m_notes.end() ? -1 : int(it - m_notes.begin());
}

QString NotesModel::titleAt(int row) const
{
    return m_titles.value(row);
}

void NotesModel::noteChanged(int row)
{
    if (!noteAt(row))
        return;
    m_titles[row] = NoteTitle::of(m_notes[size_t(row)]->text);
    const QModelIndex changed = index(row);
    Q_EMIT dataChanged(changed, changed);
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
    if (!m_notes.empty())
        Q_EMIT dataChanged(index(0), index(int(m_notes.size()) - 1), {Qt::DecorationRole});
}

} // namespace dvk
