#pragma once

#include <QString>

namespace dvk {

// What kind of address a text is, for the places that offer to open one.
enum class LinkKind
{
    None = 0,  // not a link
    Http = 1,  // web address with the scheme "http"
    Https = 2, // web address with the scheme "https"
    Mail = 3,  // mail address: the scheme "mailto", or a bare name@host
};

// Classifies a text:
// 1. If it has a colon after its first character, the text before the first colon decides when
//    it is "http", "https" or "mailto" in any case of ASCII letters.
// 2. Otherwise it is a mail address when it has an at-sign after its first character and none of
//    the characters \ / | < > ? * " : or a blank.
// 3. Anything else is no link.
LinkKind ClassifyLink(const QString& text);

} // namespace dvk
