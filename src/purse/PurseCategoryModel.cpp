#include "PurseCategoryModel.h"

#include "ColumnHeaders.h"
#include "NumberFormat.h"

using namespace Qt::StringLiterals;

namespace dvk {

PurseCategoryModel::PurseCategoryModel(QObject* parent)
    : RecordTableModel(parent)
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
    static const QList<HeaderColumn> columns{{u"Category"_s},
                                             {u"Total"_s, Qt::AlignRight | Qt::AlignVCenter}};
    return columnHeaderData(columns, section, orientation, role);
}

void PurseCategoryModel::sortByName()
{
    sortRows([](const PurseCategory* c) { return QString::fromLocal8Bit(c->name); },
             [](const QString& a, const QString& b) {
                 return QString::compare(a, b, Qt::CaseInsensitive) < 0;
             });
}

} // namespace dvk
