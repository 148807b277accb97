#include "FileIdentity.h"

#include <QFile>
#include <sys/stat.h>

namespace dvk {

FileIdentity FileIdentity::of(const QString& path, bool withHash)
{
    FileIdentity id;
    struct stat st
    {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return id;
    id.exists = true;
    id.size = qint64(st.st_size);
    id.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    id.inode = quint64(st.st_ino);
    id.device = quint64(st.st_dev);
    if (withHash) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            // Mapping spares a copy of a large file; a file that cannot be mapped is read.
            if (uchar* mapped = file.size() > 0 ? file.map(0, file.size()) : nullptr) {
                id.hash =
                    hashOf(QByteArrayView(reinterpret_cast<const char*>(mapped), file.size()));
                file.unmap(mapped);
            } else {
                id.hash = hashOf(file.readAll());
            }
        }
    }
    return id;
}

size_t FileIdentity::hashOf(QByteArrayView bytes)
{
    // A fixed seed: the hash must be the same for the same bytes throughout the run.
    return qHash(bytes, size_t(0x5eed));
}

} // namespace dvk
