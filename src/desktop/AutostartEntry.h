#pragma once

#include <QString>

namespace dvk {

// "Start DVK when I log in": the XDG autostart entry $XDG_CONFIG_HOME/autostart/dvk.desktop,
// which starts DVK hidden in the tray. Present means chosen.
class AutostartEntry final
{
public:
    AutostartEntry();
    explicit AutostartEntry(QString filePath);

    static QString defaultPath();
    QString filePath() const { return m_filePath; }

    bool isEnabled() const;
    // Writes the entry for the program at `program`, atomically; false when it could not.
    bool enable(const QString& program) const;
    // Removes the entry; true when it is gone.
    bool disable() const;

    // The entry's text, its Exec line quoted as desktop entries require.
    static QByteArray contents(const QString& program);
    static QString execLine(const QString& program);

private:
    QString m_filePath;
};

} // namespace dvk
