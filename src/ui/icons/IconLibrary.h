#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <optional>

namespace dvk {

// The program-wide icon library: two parallel lists of pictures, 32 and 16 pixels square, in
// which position i of both is the same icon. Notes, reminders and archive notes store only the
// position. Every operation keeps the two lists the same length, and the library never gives up
// its last icon. The lists live in DVK.LIL and DVK.SIL in the user data folder.
//
// Views show the library by asking for largeIcon()/smallIcon() of a position (QImage, ready for
// QPainter::drawImage or a model's DecorationRole) and repaint on changed().
class IconLibrary final : public QObject
{
    Q_OBJECT

public:
    static constexpr int LargeSize = 32;
    static constexpr int SmallSize = 16;

    // A library keeping its files in `folder`; an empty folder means the user data folder.
    explicit IconLibrary(QString folder = QString(), QObject* parent = nullptr);
    ~IconLibrary() override;

    // The program's library, used by start-up, shutdown, the panels and the Image Center.
    static IconLibrary& instance();

    QString largeFilePath() const;
    QString smallFilePath() const;

    // Reads the lists not yet present from their files; when either is missing or damaged, or
    // their lengths differ, both become the 60 built-in icons.
    void load();
    // Writes each present list safely (a failed write leaves the old file); false when a write
    // failed. The other file is written all the same.
    bool save() const;
    // Both lists become the 60 built-in icons.
    void reset();

    // The number of icons: the shorter list's length, 0 before load().
    int count() const;

    bool addIconFile(const QString& path);
    bool addModuleIcon(const QString& path, int index);
    bool replaceWithIconFile(int position, const QString& path);
    bool replaceWithModuleIcon(int position, const QString& path, int index);
    // Deletes `position` from both lists; later icons move down one place. Refused when it
    // would remove the last icon or `position` is out of range.
    bool remove(int position);

    // The pictures at `position` (ARGB32 premultiplied); null when out of range.
    QImage largeIcon(int position) const;
    QImage smallIcon(int position) const;
    QList<QImage> largeIcons() const;

Q_SIGNALS:
    // Any icon was added, replaced or removed, or the lists were loaded or reset.
    void changed();

private:
    using IconList = std::optional<QList<QImage>>;

    QString folder() const;
    bool append(const QImage& large, const QImage& small);
    bool replace(int position, const QImage& large, const QImage& small);

    QString m_folder;
    IconList m_large;
    IconList m_small;
};

} // namespace dvk
