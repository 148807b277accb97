#include "FindResultModel.h"

#include "ColumnHeaders.h"
#include "FormatDate.h"
#include "ProgramIcons.h"

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

constexpr int DescribedRowsKept = 1000;

} // namespace

FindResultModel::FindResultModel(QObject* parent)
    : QAbstractTableModel(parent)
    , m_described(DescribedRowsKept)
{
    for (int i = 0; i < int(m_icons.size()); ++i)
        m_icons[size_t(i)] = ProgramIcons::navigation(i);
}

void FindResultModel::reset(std::shared_ptr<const SearchSnapshot> snapshot)
{
    beginResetModel();
    m_snapshot = std::move(snapshot);
    m_matches.clear();
    m_described.clear();
    endResetModel();
}

void FindResultModel::append(const std::vector<SearchMatch>& matches)
{
    if (matches.empty())
        return;
    const int first = int(m_matches.size());
    beginInsertRows({}, first, first + int(matches.size()) - 1);
    m_matches.insert(m_matches.end(), matches.begin(), matches.end());
    endInsertRows();
}

SearchHit FindResultModel::hit(int row) const
{
    if (row < 0 || row >= int(m_matches.size()) || !m_snapshot)
        return {};
    if (const SearchHit* cached = m_described.object(row))
        return *cached;
    auto described =
        std::make_unique<SearchHit>(Searcher::describe(*m_snapshot, m_matches[size_t(row)]));
    const SearchHit copy = *described;
    m_described.insert(row, described.release());
    return copy;
}

int FindResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_matches.size());
}

int FindResultModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FindResultModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_matches.size()))
        return {};
    if (role == Qt::DecorationRole && index.column() == TitleColumn) {
        const SearchMatch& match = m_matches[size_t(index.row())];
        return m_icons[size_t(m_snapshot->records()[size_t(match.record)].panel)];
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const SearchHit h = hit(index.row());
    switch (index.column()) {
    case TitleColumn:
        return h.title;
    case SnippetColumn:
        return h.snippet;
    case DateColumn:
        return h.year == 0 && h.month == 0 && h.day == 0 ? QString()
                                                         : FormatDate(h.year, h.month, h.day);
    default:
        return {};
    }
}

QVariant FindResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QList<HeaderColumn> columns{
        {u"Record"_s, {}}, {u"Found in"_s, {}}, {u"Date"_s, {}}};
    return columnHeaderData(columns, section, orientation, role);
}

} // namespace dvk
