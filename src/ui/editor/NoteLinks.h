#pragma once

#include "ClassifyLink.h"

#include <QList>
#include <QStringView>

namespace dvk {

// Finds the addresses the note editor shows as links in one line of text: runs of characters
// without blanks that ClassifyLink takes for a web or mail address ("http:", "https:", "mailto:"
// in any case, or a bare name@host). Brackets and quotes around an address and the punctuation
// that ends a sentence after it are not part of the link; a scheme with nothing after it is none.
struct NoteLink final
{
    qsizetype start = 0;
    qsizetype length = 0;
    LinkKind kind = LinkKind::None;

    bool operator==(const NoteLink&) const = default;
};

QList<NoteLink> findNoteLinks(QStringView line);

// The link that covers `position` of `line`, or one of kind None.
NoteLink noteLinkAt(QStringView line, qsizetype position);

} // namespace dvk
