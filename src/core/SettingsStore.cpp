#include "SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace dvk {
namespace {

QVariant readValue(const QString& file, const QString& group, const QString& name)
{
    if (!QFileInfo::exists(file))
        return {};
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(group);
    return settings.value(name);
}

bool writeValue(const QString& file, const QString& group, const QString& name,
                const QVariant& value)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(group);
    settings.setValue(name, value);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

const QString SettingsStore::EncryptDVKFile = QStringLiteral("EncryptDVKFile");
const QString SettingsStore::BeepFlag = QStringLiteral("BeepFlag");
const QString SettingsStore::DateFormat = QStringLiteral("DateFormat");
const QString SettingsStore::RichEditDefaultFont = QStringLiteral("RichEditDefaultFont");

SettingsStore::SettingsStore()
    : SettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                        + QStringLiteral("/QUILLMARK/DVK.conf"),
                    QStringLiteral("Settings"))
{
}

SettingsStore::SettingsStore(QString filePath, QString group)
    : m_filePath(std::move(filePath))
    , m_group(std::move(group))
{
}

std::optional<quint32> SettingsStore::readNumber(const QString& name) const
{
    const QVariant v = readValue(m_filePath, m_group, name);
    if (v.typeId() != QMetaType::QString)
        return std::nullopt;
    bool ok = false;
    const uint n = v.toString().toUInt(&ok, 10);
    return ok ? std::optional<quint32>(n) : std::nullopt;
}

bool SettingsStore::writeNumber(const QString& name, quint32 value) const
{
    return writeValue(m_filePath, m_group, name, QString::number(value));
}

std::optional<QString> SettingsStore::readText(const QString& name, qsizetype maxLength) const
{
    const QVariant v = readValue(m_filePath, m_group, name);
    if (v.typeId() != QMetaType::QString || v.toString().size() > maxLength)
        return std::nullopt;
    return v.toString();
}

bool SettingsStore::writeText(const QString& name, const QString& value) const
{
    return writeValue(m_filePath, m_group, name, value);
}

std::optional<QByteArray> SettingsStore::readBytes(const QString& name) const
{
    const QVariant v = readValue(m_filePath, m_group, name);
    if (v.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    return v.toByteArray();
}

bool SettingsStore::writeBytes(const QString& name, const QByteArray& value) const
{
    return writeValue(m_filePath, m_group, name, value);
}

bool SettingsStore::remove(const QString& name) const
{
    if (!QFileInfo::exists(m_filePath))
        return true;
    QSettings settings(m_filePath, QSettings::IniFormat);
    settings.beginGroup(m_group);
    settings.remove(name);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace dvk
