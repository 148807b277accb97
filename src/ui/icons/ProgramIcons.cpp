#include "ProgramIcons.h"

#include <QImageReader>

using namespace Qt::StringLiterals;

// The pictures live in a resource file of this static library; registering it by hand keeps
// the linker from dropping it, since nothing else refers to it. Q_INIT_RESOURCE must be used
// outside any namespace.
static void registerIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace dvk::ProgramIcons {
namespace {

QString resource(const QString& name)
{
    static const bool registered = (registerIconResources(), true);
    Q_UNUSED(registered);
    return u":/dvk/icons/"_s + name;
}

} // namespace

QIcon application()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(resource(u"application/dvk-%1.png"_s.arg(size)), QSize(size, size));
    return icon;
}

QIcon navigation(int index)
{
    static const QString names[] = {u"archives"_s, u"purse"_s, u"memo"_s, u"notes"_s};
    if (index < 0 || index >= int(std::size(names)))
        return {};
    QIcon icon;
    for (int size : {32, 48})
        icon.addFile(resource(u"navigation/%1-%2.png"_s.arg(names[index]).arg(size)),
                     QSize(size, size));
    return icon;
}

QImage builtIn(int index, int size)
{
    if (index < 0 || index >= BuiltInCount || (size != 16 && size != 32))
        return {};
    QImageReader reader(resource(u"builtin/%1/%2.png"_s.arg(size).arg(index, 2, 10, QChar(u'0'))));
    const QImage image = reader.read();
    if (image.size() != QSize(size, size))
        return {};
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace dvk::ProgramIcons
