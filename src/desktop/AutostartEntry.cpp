#include "AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace dvk {

AutostartEntry::AutostartEntry()
    : AutostartEntry(defaultPath())
{}

AutostartEntry::AutostartEntry(QString filePath)
    : m_filePath(std::move(filePath))
{}

QString AutostartEntry::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/autostart/dvk.desktop"_s;
}

bool AutostartEntry::isEnabled() const
{
    return QFileInfo(m_filePath).isFile();
}

QString AutostartEntry::execLine(const QString& program)
{
    // Inside double quotes the Exec key escapes ", `, $ and \ with a backslash; the value as a
    // whole then escapes each backslash once more, and a literal % is written %%.
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$')
            quoted += u"\\\\"_s + c;
        else if (c == u'\\')
            quoted += u"\\\\\\\\"_s;
        else if (c == u'%')
            quoted += u"%%"_s;
        else
            quoted += c;
    }
    return u"\""_s + quoted + u"\" --hidden"_s;
}

QByteArray AutostartEntry::contents(const QString& program)
{
    const QString text = u"[Desktop Entry]\n"
                         "Type=Application\n"
                         "Name=DVK\n"
                         "Comment=Reminders of DVK, hidden in the tray\n"
                         "Exec="_s +
                         execLine(program) +
                         u"\n"
                         "Icon=dvk\n"
                         "Terminal=false\n"
                         "X-GNOME-Autostart-enabled=true\n"_s;
    return text.toUtf8();
}

bool AutostartEntry::enable(const QString& program) const
{
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return false;
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray text = contents(program);
    return file.write(text) == text.size() && file.commit();
}

bool AutostartEntry::disable() const
{
    return !QFileInfo::exists(m_filePath) || QFile::remove(m_filePath);
}

} // namespace dvk
