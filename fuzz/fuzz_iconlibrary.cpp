// Feeds arbitrary bytes to the icon list reader (DVK.LIL and DVK.SIL) at both icon sizes.
#include "IconListFile.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (int iconSize : {32, 16}) {
        const auto icons = dvk::IconListFile::read(bytes, iconSize);
        if (icons)
            for (const QImage& icon : *icons)
                if (icon.size() != QSize(iconSize, iconSize))
                    __builtin_trap();
    }
    return 0;
}
