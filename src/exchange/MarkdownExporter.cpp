#include "MarkdownExporter.h"

#include "StoredFields.h"

namespace dvk {
namespace {

using namespace Qt::StringLiterals;

// The first line with something on it, for a heading.
QString titleOf(const QString& text)
{
    const QStringList lines = text.split(u'\n');
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty())
            return line.trimmed();
    return {};
}

QString heading(int level, const QString& text)
{
    return QString(level, u'#') + u' ' + QString(text).replace(u'\n', u' ') + u"\n\n"_s;
}

// A table cell keeps its text on one line and its pipes as text.
QString cell(const QByteArray& bytes)
{
    QString text = QString::fromUtf8(bytes);
    text.replace(u"\\"_s, u"\\\\"_s).replace(u"|"_s, u"\\|"_s);
    text.replace(u"\r\n"_s, u"<br>"_s).replace(u'\n', u"<br>"_s).replace(u'\r', u"<br>"_s);
    return text;
}

QString noteSection(int level, const NoteRecord& n)
{
    QString text = QString::fromUtf8(n.text);
    text.replace(u"\r\n"_s, u"\n"_s);
    QString out =
        heading(level, StoredFields::dateText(n.year, n.month, n.day) + u' ' + titleOf(text));
    if (!text.isEmpty())
        out += text + (text.endsWith(u'\n') ? u"\n"_s : u"\n\n"_s);
    return out;
}

} // namespace

QByteArray MarkdownExporter::write(const DataStore& store)
{
    QString out;
    if (!store.notes.isEmpty()) {
        out += heading(1, u"Notes"_s);
        for (const NoteRecord* n : store.notes)
            out += noteSection(2, *n);
    }
    if (!store.archiveItems.isEmpty()) {
        out += heading(1, u"Archives"_s);
        for (const ArchiveItem* item : store.archiveItems) {
            out += heading(2, QString::fromUtf8(item->category) + u" — "_s +
                                  QString::fromUtf8(item->name));
            if (!item->fields.isEmpty()) {
                out += u"| Fact | Value |\n| --- | --- |\n"_s;
                for (const ArchiveField* f : item->fields)
                    out += u"| "_s + cell(f->name) + u" | "_s + cell(f->value) + u" |\n"_s;
                out += u'\n';
            }
            for (const NoteRecord* n : item->notes)
                out += noteSection(3, *n);
        }
    }
    return out.toUtf8();
}

} // namespace dvk
