#include "ClassifyLink.h"

namespace dvk {
namespace {

// The scheme in lower case, or an empty text when it holds anything but ASCII, so that no
// Unicode case mapping can turn a look-alike into a known scheme.
QString asciiLower(QStringView scheme)
{
    QString lower;
    lower.reserve(scheme.size());
    for (const QChar c : scheme) {
        if (c.unicode() > 0x7f)
            return {};
        lower += c.toLower();
    }
    return lower;
}

} // namespace

LinkKind ClassifyLink(const QString& text)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon > 0) {
        const QString scheme = asciiLower(QStringView(text).left(colon));
        if (scheme == u"http")
            return LinkKind::Http;
        if (scheme == u"https")
            return LinkKind::Https;
        if (scheme == u"mailto")
            return LinkKind::Mail;
    }
    static const QString forbidden = QStringLiteral("\\/|< >?*\":");
    if (text.indexOf(u'@') > 0) {
        for (const QChar c : text) {
            if (forbidden.contains(c))
                return LinkKind::None;
        }
        return LinkKind::Mail;
    }
    return LinkKind::None;
}

} // namespace dvk
