// Scenes of the icon library's dialogs: Image Center and Extract Icon.
#include "ExtractIconDialog.h"
#include "IconLibrary.h"
#include "ImageCenterDialog.h"
#include "SceneRegistry.h"

#include <QAbstractItemView>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// The built-in library, kept in a temporary folder so that no user file is read or written.
dvk::IconLibrary& sceneLibrary()
{
    static QTemporaryDir folder;
    static dvk::IconLibrary library(folder.path());
    if (library.count() == 0)
        library.load();
    return library;
}

// An .ico file with a few simple pictures, to show the Extract Icon dialog with content.
QString sampleIconFile()
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(u"sample"_s);
    QByteArray ico;
    QList<QByteArray> images;
    const QColor colours[] = {QColor(204, 0, 0), QColor(52, 101, 164), QColor(78, 154, 6),
                              QColor(237, 212, 0), QColor(117, 80, 123)};
    for (const QColor& colour : colours) {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(colour);
        painter.setPen(colour.darker());
        painter.drawEllipse(QRectF(2.5, 2.5, 27, 27));
        painter.end();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        images << png;
    }
    auto u16 = [&ico](quint16 v) {
        ico.append(char(v & 0xff)).append(char(v >> 8));
    };
    auto u32 = [&u16](quint32 v) {
        u16(quint16(v & 0xffff));
        u16(quint16(v >> 16));
    };
    u16(0);
    u16(1);
    u16(quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (const QByteArray& png : images) {
        ico.append(char(32)).append(char(32)).append(char(0)).append(char(0));
        u16(1);
        u16(32);
        u32(quint32(png.size()));
        u32(offset);
        offset += quint32(png.size());
    }
    for (const QByteArray& png : images)
        ico += png;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(ico);
    return path;
}

DVK_SCENE({u"image-center"_s,
           [] { return std::make_unique<dvk::ImageCenterDialog>(12, sceneLibrary()); }, nullptr});

DVK_SCENE({u"extract-icon"_s,
           [] {
               auto dialog = std::make_unique<dvk::ExtractIconDialog>(sampleIconFile());
               return dialog;
           },
           [](QWidget* widget) {
               if (auto* list = widget->findChild<QAbstractItemView*>(u"list"_s))
                   list->setCurrentIndex(list->model()->index(1, 0));
           }});

} // namespace
