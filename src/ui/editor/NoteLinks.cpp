#include "NoteLinks.h"

namespace dvk {
namespace {

bool isOpening(QChar c)
{
    return QStringView(u"<([{\"'").contains(c);
}

bool isClosing(QChar c)
{
    return QStringView(u".,;:!?>)]}\"'").contains(c);
}

// Whether something follows the scheme: "http:" or "mailto:" alone opens nothing useful.
bool hasBody(QStringView candidate, LinkKind kind)
{
    const qsizetype colon = candidate.indexOf(u':');
    if (colon < 0)
        return kind == LinkKind::Mail && !candidate.endsWith(u'@');
    QStringView body = candidate.mid(colon + 1);
    while (body.startsWith(u'/'))
        body = body.mid(1);
    return !body.isEmpty();
}

} // namespace

QList<NoteLink> findNoteLinks(QStringView line)
{
    QList<NoteLink> links;
    const qsizetype size = line.size();
    qsizetype i = 0;
    while (i < size) {
        while (i < size && line[i].isSpace())
            ++i;
        qsizetype end = i;
        while (end < size && !line[end].isSpace())
            ++end;
        qsizetype start = i;
        qsizetype stop = end;
        while (start < stop && isOpening(line[start]))
            ++start;
        while (stop > start && isClosing(line[stop - 1]))
            --stop;
        const QStringView candidate = line.sliced(start, stop - start);
        // Only runs that can be an address are classified: a colon or an at-sign is needed.
        if (candidate.contains(u':') || candidate.contains(u'@')) {
            const LinkKind kind = ClassifyLink(candidate.toString());
            if (kind != LinkKind::None && hasBody(candidate, kind))
                links.append({start, stop - start, kind});
        }
        i = end;
    }
    return links;
}

NoteLink noteLinkAt(QStringView line, qsizetype position)
{
    const QList<NoteLink> links = findNoteLinks(line);
    for (const NoteLink& link : links) {
        if (position >= link.start && position < link.start + link.length)
            return link;
    }
    return {};
}

} // namespace dvk
