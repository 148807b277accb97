#pragma once

#include "Installer.h"
#include "TestData.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

namespace dvk::test {

// A payload whose program holds every byte value, zeros included, and is larger than any
// stream buffer, so a short or altered copy shows.
inline Installer::Payload setupPayload()
{
    Installer::Payload payload;
    QRandomGenerator random(1234);
    payload.program.resize(300 * 1024);
    for (char& c : payload.program)
        c = static_cast<char>(random.bounded(256));
    payload.help = QByteArrayLiteral("<!DOCTYPE html><title>DVK Help</title>\r\n\0end");
    payload.icon = QByteArrayLiteral("\x89PNG\r\n\x1a\n\0\0\0\rIHDR icon");
    return payload;
}

// Writes a file, making its folder first.
inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    return QDir().mkpath(QFileInfo(path).path()) && writeFile(path, bytes);
}

// Empties the temporary XDG folders the test runner set up, so every test starts with no
// installation record, menu entry, data or settings. Refuses anything but the runner's folders.
inline bool emptyTestHome()
{
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
        const QString folder = qEnvironmentVariable(name);
        if (!folder.contains(QStringLiteral("/dvk-test-")))
            return false;
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
    }
    return true;
}

} // namespace dvk::test
