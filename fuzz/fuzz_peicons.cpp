// Feeds arbitrary bytes to the program-file and icon-file readers: the PE resource parser, the
// .ico directory parser and the decoding of the images they find.
#include "IconDecoder.h"
#include "IconSources.h"
#include "PeIconReader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Qt's image plugins (the .ico reader among them) are found through the application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const dvk::PeIconReader reader(bytes);
    for (qsizetype i = 0; i < reader.groupCount() && i < 8; ++i)
        for (const dvk::IconEntry& entry : reader.group(i))
            if (entry.data.constData() < bytes.constData() ||
                entry.data.constData() + entry.data.size() > bytes.constData() + bytes.size())
                __builtin_trap();
    const QList<QImage> icons = dvk::IconSources::moduleIcons(bytes);
    for (const QImage& icon : icons)
        if (icon.size() != QSize(32, 32))
            __builtin_trap();
    if (const auto icon = dvk::IconSources::moduleIcon(bytes, 0))
        if (icon->small.size() != QSize(16, 16))
            __builtin_trap();
    return 0;
}
