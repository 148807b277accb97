#include "IconLibrary.h"

#include "DataPaths.h"
#include "IconListFile.h"
#include "IconSources.h"
#include "ProgramIcons.h"

#include <QFile>
#include <QSaveFile>

namespace dvk {
namespace {

using namespace Qt::StringLiterals;

QImage prepared(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

std::optional<QList<QImage>> readList(const QString& path, int size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    auto icons = IconListFile::read(file, size);
    if (icons)
        for (QImage& icon : *icons)
            icon = prepared(icon);
    return icons;
}

bool writeList(const QString& path, const std::optional<QList<QImage>>& icons, int size)
{
    if (!icons)
        return true;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && IconListFile::write(file, *icons, size) &&
           file.commit();
}

} // namespace

IconLibrary::IconLibrary(QString folder, QObject* parent)
    : QObject(parent)
    , m_folder(std::move(folder))
{}

IconLibrary::~IconLibrary() = default;

IconLibrary& IconLibrary::instance()
{
    static IconLibrary library;
    return library;
}

QString IconLibrary::folder() const
{
    return m_folder.isEmpty() ? DataPaths::userDataFolder() : m_folder;
}

QString IconLibrary::largeFilePath() const
{
    return folder() + u"/DVK.LIL"_s;
}

QString IconLibrary::smallFilePath() const
{
    return folder() + u"/DVK.SIL"_s;
}

void IconLibrary::load()
{
    if (!m_large)
        m_large = readList(largeFilePath(), LargeSize);
    if (!m_small)
        m_small = readList(smallFilePath(), SmallSize);
    if (!m_large || !m_small || m_large->size() != m_small->size() || m_small->isEmpty())
        reset();
    else
        Q_EMIT changed();
}

bool IconLibrary::save() const
{
    const bool large = writeList(largeFilePath(), m_large, LargeSize);
    const bool small = writeList(smallFilePath(), m_small, SmallSize);
    return large && small;
}

void IconLibrary::reset()
{
    m_large.emplace();
    m_small.emplace();
    for (int i = 0; i < ProgramIcons::BuiltInCount; ++i) {
        const QImage large = ProgramIcons::builtIn(i, LargeSize);
        const QImage small = ProgramIcons::builtIn(i, SmallSize);
        if (!large.isNull() && !small.isNull()) {
            m_large->append(prepared(large));
            m_small->append(prepared(small));
        }
    }
    Q_EMIT changed();
}

int IconLibrary::count() const
{
    if (!m_large || !m_small)
        return 0;
    return int(qMin(m_large->size(), m_small->size()));
}

bool IconLibrary::append(const QImage& large, const QImage& small)
{
    if (!m_large || !m_small)
        return false;
    m_large->append(prepared(large));
    m_small->append(prepared(small));
    Q_EMIT changed();
    return true;
}

bool IconLibrary::replace(int position, const QImage& large, const QImage& small)
{
    if (position < 0 || position >= count())
        return false;
    (*m_large)[position] = prepared(large);
    (*m_small)[position] = prepared(small);
    Q_EMIT changed();
    return true;
}

bool IconLibrary::addIconFile(const QString& path)
{
    if (!m_large || !m_small)
        return false;
    const auto icon = IconSources::iconFile(path);
    return icon && append(icon->large, icon->small);
}

bool IconLibrary::addModuleIcon(const QString& path, int index)
{
    if (!m_large || !m_small)
        return false;
    const auto icon = IconSources::moduleIcon(path, index);
    return icon && append(icon->large, icon->small);
}

bool IconLibrary::replaceWithIconFile(int position, const QString& path)
{
    if (position < 0 || position >= count())
        return false;
    const auto icon = IconSources::iconFile(path);
    return icon && replace(position, icon->large, icon->small);
}

bool IconLibrary::replaceWithModuleIcon(int position, const QString& path, int index)
{
    if (position < 0 || position >= count())
        return false;
    const auto icon = IconSources::moduleIcon(path, index);
    return icon && replace(position, icon->large, icon->small);
}

bool IconLibrary::remove(int position)
{
    if (count() <= 1 || position < 0 || position >= count())
        return false;
    m_small->removeAt(position);
    m_large->removeAt(position);
    Q_EMIT changed();
    return true;
}

QImage IconLibrary::largeIcon(int position) const
{
    return position >= 0 && position < count() ? m_large->at(position) : QImage();
}

QImage IconLibrary::smallIcon(int position) const
{
    return position >= 0 && position < count() ? m_small->at(position) : QImage();
}

QList<QImage> IconLibrary::largeIcons() const
{
    return m_large ? m_large->mid(0, count()) : QList<QImage>();
}

} // namespace dvk
