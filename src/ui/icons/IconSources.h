#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <optional>

namespace dvk {

// Where the icon library's pictures come from: icon files (.ico and the image formats Qt reads)
// and program files (Windows .exe and .dll). Each yields a pair of pictures, one of 32 and one of
// 16 pixels, the best its images offer for each size.
namespace IconSources {

struct IconPair
{
    QImage large;
    QImage small;
};

// The file dialog filter: "Icon Files (*.ico ...);;Program Files (*.exe *.dll)".
QString fileFilter();

// True when the file name of `path` ends in the extension of an icon file (compared ignoring
// case). A "." that starts the path or lies in a folder name is no extension.
bool isIconFile(const QString& path);

// The icon of an icon file; nullopt when it holds no usable image.
std::optional<IconPair> iconFile(const QString& path);

// The large pictures of the icons a program file offers, in order: one per icon group of a
// Windows program, one per image of a Windows icon file, one for any other image file Qt reads.
// The list ends before the first icon that does not decode, so positions stay those of the file.
QList<QImage> moduleIcons(const QString& path);
QList<QImage> moduleIcons(const QByteArray& file);

// Icon number `index` of a program file, as listed by moduleIcons.
std::optional<IconPair> moduleIcon(const QString& path, int index);
std::optional<IconPair> moduleIcon(const QByteArray& file, int index);

} // namespace IconSources
} // namespace dvk
