#pragma once

#include <QString>
#include <QtGlobal>

namespace dvk {

// What a file on disk was when DVK last read or wrote it: enough to tell cheaply that nothing
// touched it (size, modification time, inode), and a hash of its bytes to tell, when those
// changed, whether its content did.
struct FileIdentity final
{
    bool exists = false;
    qint64 size = 0;
    qint64 mtimeNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    size_t hash = 0;

    // The file at `path` as it is now; `withHash` also reads it to hash its content.
    static FileIdentity of(const QString& path, bool withHash);
    // The same hash of bytes in memory as `of` takes of a file's content.
    static size_t hashOf(QByteArrayView bytes);

    // Same size, time and inode: nothing replaced or rewrote the file.
    bool sameStat(const FileIdentity& other) const
    {
        return exists == other.exists && size == other.size && mtimeNs == other.mtimeNs &&
               inode == other.inode && device == other.device;
    }
};

} // namespace dvk
