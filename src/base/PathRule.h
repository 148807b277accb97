#pragma once

#include <QString>

namespace dvk::base {

// The one rule by which DVK and its installer write a folder path: backslashes become slashes,
// runs of slashes collapse from the third character on (a leading "//" stays), and trailing
// slashes go, down to a path of two characters ("/" and "//" stay as they are).
inline QString normalizePath(QString path)
{
    path.replace(u'\\', u'/');
    QString out = path.left(2);
    out.reserve(path.size());
    for (qsizetype i = 2; i < path.size(); ++i) {
        if (path[i] == u'/' && i > 2 && path[i - 1] == u'/')
            continue;
        out += path[i];
    }
    while (out.size() > 2 && out.endsWith(u'/'))
        out.chop(1);
    return out;
}

} // namespace dvk::base
