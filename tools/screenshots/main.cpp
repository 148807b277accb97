// Renders every registered scene offscreen to <folder>/<name>.png.
#include "SceneRegistry.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(folder);

    int written = 0;
    for (const auto& scene : dvk::shots::scenes()) {
        if (!only.isEmpty() && !scene.name.contains(only))
            continue;
        std::unique_ptr<QWidget> widget = scene.make();
        widget->show();
        QApplication::processEvents();
        if (scene.prepare)
            scene.prepare(widget.get());
        // Let posted layouts, timers of zero length and repaints run before the grab.
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        const QString file = folder + u'/' + scene.name + QStringLiteral(".png");
        if (widget->grab().save(file)) {
            std::printf("%s\n", qPrintable(file));
            ++written;
        } else {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
        }
        widget->close();
    }
    return written > 0 ? 0 : 1;
}
