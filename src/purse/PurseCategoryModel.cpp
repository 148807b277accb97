#include "PurseCategoryModel.h"

#include "NumberFormat.h"

using namespace Qt::StringLiterals;

namespace dvk {

PurseCategoryModel::PurseCategoryModel(QObject* parent)
    : PurseRowModel(parent)
{}

int PurseCategoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PurseCategoryModel::data(const QModelIndex& index, int role) const
{
    const PurseCategory* category = recordAt(index.row());
    if (!category)
        return {};
    if (role == Qt::DisplayRole) {
        if (index.column() == NameColumn)
            return QString::fromLocal8Bit(category->name);
        if (index.column() == TotalColumn)
            return formatAmount(category->total());
    } else if (role == Qt::TextAlignmentRole) {
        return index.column() == TotalColumn ? int(Qt::AlignRight | Qt::AlignVCenter)
                                             : int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant PurseCategoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return section == NameColumn ? u"Category"_s : u"Total"_s;
    if (role == Qt::TextAlignmentRole)
        return section == TotalColumn ? int(Qt::AlignRight | Qt::AlignVCenter)
                                      : int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

void PurseCategoryModel::sortByName()
{
    sortRows([](const PurseCategory* c) { return QString::fromLocal8Bit(c->name); },
             [](const QString& a, const QString& b) {
                 return QString::compare(a, b, Qt::CaseInsensitive) < 0;
             });
}

} // namespace dvk
