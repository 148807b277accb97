#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace dvk {

// DVK's preferences, kept with QSettings in an INI file. Every call opens the file, does its one
// read or write and closes it again, so nothing stays cached. Reads fail (nullopt) on a missing
// value, a value of the wrong type or a text longer than the caller allows; the caller then uses
// its default. Writes create the folder and file when missing and report whether they reached
// the disk.
//
// Types in the file: numbers are written as decimal text and read back only when the whole text
// is an unsigned 32-bit number; binary values are stored as QByteArray and keep their exact
// length; a binary value never reads as a text or number and the other way round.
class SettingsStore final
{
public:
    // The settings of the current user: $XDG_CONFIG_HOME/QUILLMARK/DVK.conf, group "Settings".
    SettingsStore();
    SettingsStore(QString filePath, QString group);

    std::optional<quint32> readNumber(const QString& name) const;
    bool writeNumber(const QString& name, quint32 value) const;
    // Fails when the text is longer than maxLength characters.
    std::optional<QString> readText(const QString& name, qsizetype maxLength) const;
    bool writeText(const QString& name, const QString& value) const;
    std::optional<QByteArray> readBytes(const QString& name) const;
    bool writeBytes(const QString& name, const QByteArray& value) const;
    bool remove(const QString& name) const;

    QString filePath() const { return m_filePath; }

    // The value names DVK uses.
    static const QString EncryptDVKFile;
    static const QString BeepFlag;
    static const QString DateFormat;
    static const QString RichEditDefaultFont;

private:
    QString m_filePath;
    QString m_group;
};

} // namespace dvk
