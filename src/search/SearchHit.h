#pragma once

#include <QMetaType>
#include <QString>
#include <QtGlobal>

namespace dvk {

// The panels in the order of the navigation bar.
enum class SearchPanel : quint8
{
    Archives = 0,
    Purse = 1,
    Memo = 2,
    Notes = 3
};

// Which text of a record matched.
enum class SearchField : quint8
{
    Name,      // an archive item's name
    Category,  // an archive item's category, or a Purse entry's category name
    FactName,  // an archive fact's name
    FactValue, // an archive fact's value
    ItemNote,  // a dated note of an archive item
    Amount,    // a Purse entry's amount
    Text       // a Purse entry's note, a memo's text, a note's text
};

// One found record, as the Find window lists it and the main window shows it. The address is a
// set of indices into the store's lists: `index` is the archive item, Purse category, memo or
// note; `subIndex` the entry within a Purse category; `fieldIndex` the fact or the item note
// that matched within an archive item (-1 when another field matched).
struct SearchHit
{
    SearchPanel panel = SearchPanel::Notes;
    qint32 index = -1;
    qint32 subIndex = -1;
    SearchField field = SearchField::Text;
    qint32 fieldIndex = -1;
    QString title;
    QString snippet;
    // The record's date as stored (zero when it has none).
    qint32 year = 0;
    qint32 month = 0;
    qint32 day = 0;
};

} // namespace dvk

Q_DECLARE_METATYPE(dvk::SearchHit)
