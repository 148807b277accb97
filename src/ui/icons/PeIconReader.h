#pragma once

#include "IconDecoder.h"

#include <QByteArray>
#include <QList>

namespace dvk {

// Finds the icons of a Windows program file (.exe, .dll; PE32 and PE32+): every icon group
// (RT_GROUP_ICON) of its resources, in directory order, with the images (RT_ICON) each group
// names. The parser checks every offset, count and size against the bytes it was given, follows
// the resource tree only to its three fixed levels and caps the number of groups and images, so
// no input makes it read outside the file, loop without end or allocate beyond its caps.
class PeIconReader final
{
public:
    // Parses `file`; the entries handed out later refer to these bytes without copying them.
    explicit PeIconReader(QByteArray file);

    // True when `file` starts like a DOS/PE executable ("MZ").
    static bool looksLikeProgram(QByteArrayView file);

    qsizetype groupCount() const { return m_groups.size(); }
    // The images of group `index`; empty when out of range. The entries' data point into this
    // reader's bytes and stay valid while the reader lives.
    QList<IconEntry> group(qsizetype index) const;

private:
    struct Image
    {
        int width;
        int height;
        int bitCount;
        qsizetype offset;
        qsizetype length;
    };

    void parse();

    QByteArray m_file;
    QList<QList<Image>> m_groups;
};

} // namespace dvk
