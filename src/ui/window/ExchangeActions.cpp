#include "ExchangeActions.h"

#include "Exchange.h"
#include "Prompts.h"

using namespace Qt::StringLiterals;

namespace dvk::ExchangeActions {
namespace {

const QString ImportFilters = u"JSON Files (*.json);;CSV Files (*.csv);;iCalendar Files (*.ics)"_s;
const QString ExportFilters = ImportFilters + u";;Markdown Files (*.md)"_s;

void tell(QWidget* parent, const QString& text, Prompts::Icon icon)
{
    Prompts::current().message(parent, text, Prompts::Buttons::Ok, icon);
}

std::optional<Exchange::Format> formatOf(QWidget* parent, const QString& path, bool importing)
{
    const std::optional<Exchange::Format> format = Exchange::formatOfFile(path);
    if (!format || (importing && !Exchange::canImport(*format))) {
        tell(parent,
             importing ? u"DVK imports .json, .csv (Purse) and .ics (Memo) files."_s
                       : u"DVK exports .json, .csv (Purse), .ics (Memo) and .md (Notes and "
                         "Archives) files."_s,
             Prompts::Icon::Warning);
        return std::nullopt;
    }
    return format;
}

} // namespace

void exportData(QWidget* parent, const DataStore& store)
{
    const QString path = Prompts::current().saveFileName(parent, ExportFilters, u"json"_s);
    if (path.isEmpty())
        return;
    const std::optional<Exchange::Format> format = formatOf(parent, path, false);
    if (!format)
        return;
    const FileResult written = Exchange::exportToFile(store, *format, path);
    if (written.ok)
        tell(parent, u"Done."_s, Prompts::Icon::Information);
    else
        tell(parent, written.message, Prompts::Icon::Warning);
}

bool importData(QWidget* parent, DataStore& store)
{
    const QString path = Prompts::current().openFileName(parent, ImportFilters, u"json"_s);
    if (path.isEmpty())
        return false;
    const std::optional<Exchange::Format> format = formatOf(parent, path, true);
    if (!format)
        return false;
    const ImportResult imported = Exchange::importFile(store, *format, path);
    if (!imported.ok) {
        tell(parent, imported.message, Prompts::Icon::Warning);
        return false;
    }
    const QString notice = Exchange::importNotice(imported);
    tell(parent, notice.isEmpty() ? u"Done."_s : u"Done.\n"_s + notice, Prompts::Icon::Information);
    return imported.records > 0;
}

} // namespace dvk::ExchangeActions
