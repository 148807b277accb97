#include "ProgramShortcut.h"

#include "Installer.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

const QString EntryFileName = u"quillmark-dvk.desktop"_s;
const QString DirectoryFileName = u"quillmark.directory"_s;
const QString MenuFileName = u"quillmark-dvk.menu"_s;
const QString MenuFilePattern = u"quillmark-*.menu"_s;

// A string value of a desktop entry: backslashes, control characters and a leading space are
// written with the escapes the format defines.
QString escapeValue(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\')
            out += u"\\\\"_s;
        else if (c == u'\n')
            out += u"\\n"_s;
        else if (c == u'\t')
            out += u"\\t"_s;
        else if (c == u'\r')
            out += u"\\r"_s;
        else if (c == u' ' && i == 0)
            out += u"\\s"_s;
        else
            out += c;
    }
    return out;
}

// One quoted argument of an Exec key: inside the quotes '"', '`', '$' and '\' take a backslash,
// and '%' is doubled so it is not read as a field code.
QString execArgument(const QString& argument)
{
    QString quoted = u"\""_s;
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    return quoted + u'"';
}

} // namespace

const QString ProgramShortcut::Name = u"DVK"_s;
const QString ProgramShortcut::Description = u"Ridedaz Ozez Urodivo"_s;
const QString ProgramShortcut::GroupName = u"Quillmark"_s;

ProgramShortcut::ProgramShortcut(InstallPaths paths)
    : m_paths(paths)
{}

QString ProgramShortcut::desktopEntryFile() const
{
    return m_paths.applicationsFolder() + u'/' + EntryFileName;
}

QString ProgramShortcut::directoryFile() const
{
    return m_paths.desktopDirectoriesFolder() + u'/' + DirectoryFileName;
}

QString ProgramShortcut::menuFile() const
{
    return m_paths.mergedMenusFolder() + u'/' + MenuFileName;
}

QByteArray ProgramShortcut::desktopEntry(const QString& target, const QString& icon)
{
    const QString text = u"[Desktop Entry]\n"
                         u"Type=Application\n"
                         u"Version=1.0\n"
                         u"Name="_s +
                         Name + u"\nComment="_s + Description + u"\nExec="_s +
                         escapeValue(execArgument(target)) + u"\nIcon="_s + escapeValue(icon) +
                         u"\nTerminal=false\nCategories=Office;\n"_s;
    return text.toUtf8();
}

QByteArray ProgramShortcut::directoryEntry()
{
    return (u"[Desktop Entry]\nType=Directory\nVersion=1.0\nName="_s + GroupName +
            u"\nIcon=applications-office\n"_s)
        .toUtf8();
}

QByteArray ProgramShortcut::mergedMenu()
{
    // Menu readers do not validate, so the file carries no document type line.
    return (u"<Menu>\n"
            u"  <Name>Applications</Name>\n"
            u"  <Menu>\n"
            u"    <Name>"_s +
            GroupName + u"</Name>\n    <Directory>"_s + DirectoryFileName +
            u"</Directory>\n    <Include>\n      <Filename>"_s + EntryFileName +
            u"</Filename>\n    </Include>\n  </Menu>\n</Menu>\n"_s)
        .toUtf8();
}

bool ProgramShortcut::create(const QString& target, const QString& icon) const
{
    const QFileDevice::Permissions readable = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadGroup | QFileDevice::ReadOther;
    bool written = true;
    const auto write = [&](const QString& folder, const QString& file, const QByteArray& bytes) {
        written = Installer::createFolderTree(folder) &&
                  Installer::writeResourceFile(bytes, file, true, readable) && written;
    };
    write(m_paths.applicationsFolder(), desktopEntryFile(), desktopEntry(target, icon));
    write(m_paths.desktopDirectoriesFolder(), directoryFile(), directoryEntry());
    write(m_paths.mergedMenusFolder(), menuFile(), mergedMenu());
    return written;
}

void ProgramShortcut::remove() const
{
    QFile::remove(desktopEntryFile());
    QFile::remove(menuFile());
    const QDir menus(m_paths.mergedMenusFolder());
    if (menus.entryList({MenuFilePattern}, QDir::Files | QDir::Hidden).isEmpty())
        QFile::remove(directoryFile());
}

} // namespace dvk
