#include "Exchange.h"

#include "IcsExporter.h"
#include "IcsImporter.h"
#include "JsonExporter.h"
#include "JsonImporter.h"
#include "MarkdownExporter.h"
#include "PurseCsv.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace dvk {
namespace {

using namespace Qt::StringLiterals;

// An import file is read whole; anything larger is no export of a personal store.
constexpr qint64 MaxImportSize = qint64(1) << 30;

} // namespace

std::optional<Exchange::Format> Exchange::formatNamed(const QString& name)
{
    const QString n = name.toLower();
    if (n == u"json"_s)
        return Format::Json;
    if (n == u"csv"_s)
        return Format::Csv;
    if (n == u"ics"_s)
        return Format::Ics;
    if (n == u"md"_s)
        return Format::Markdown;
    return std::nullopt;
}

std::optional<Exchange::Format> Exchange::formatOfFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"ical"_s)
        return Format::Ics;
    if (suffix == u"markdown"_s)
        return Format::Markdown;
    return formatNamed(suffix);
}

QByteArray Exchange::exportBytes(const DataStore& store, Format format)
{
    switch (format) {
    case Format::Json:
        return JsonExporter::write(store);
    case Format::Csv:
        return PurseCsv::write(store);
    case Format::Ics:
        return IcsExporter::write(store);
    case Format::Markdown:
        return MarkdownExporter::write(store);
    }
    return {};
}

FileResult Exchange::exportToFile(const DataStore& store, Format format, const QString& path)
{
    const QByteArray bytes = exportBytes(store, format);
    QSaveFile file(path);
    FileResult result;
    // The export holds the user's private data, so it is the owner's alone like the data file.
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(bytes) != bytes.size() || !file.commit()) {
        result.ok = false;
        result.message = u"Cannot write %1: %2."_s.arg(path, file.errorString());
    }
    return result;
}

ImportResult Exchange::importBytes(DataStore& store, Format format, const QByteArray& bytes)
{
    ImportBatch batch(store.clock());
    ImportResult result;
    switch (format) {
    case Format::Json:
        result = JsonImporter::read(bytes, batch);
        break;
    case Format::Csv:
        result = PurseCsv::read(bytes, batch);
        break;
    case Format::Ics:
        result = IcsImporter::read(bytes, batch);
        break;
    case Format::Markdown:
        return ImportResult::failure(u"Markdown files cannot be imported."_s);
    }
    if (result.ok)
        batch.applyTo(store);
    return result;
}

ImportResult Exchange::importFile(DataStore& store, Format format, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ImportResult::failure(u"Cannot read %1: %2."_s.arg(path, file.errorString()));
    if (file.size() > MaxImportSize)
        return ImportResult::failure(u"%1 is too large to import."_s.arg(path));
    const QByteArray bytes = file.read(MaxImportSize + 1);
    if (bytes.size() > MaxImportSize)
        return ImportResult::failure(u"%1 is too large to import."_s.arg(path));
    return importBytes(store, format, bytes);
}

QString Exchange::importNotice(const ImportResult& result)
{
    if (!result.ok || result.simplified == 0)
        return {};
    return result.simplified == 1
               ? u"1 repetition DVK cannot follow was imported as no repetition."_s
               : u"%1 repetitions DVK cannot follow were imported as no repetition."_s.arg(
                     result.simplified);
}

} // namespace dvk
