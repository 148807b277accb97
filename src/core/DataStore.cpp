#include "DataStore.h"

#include "DataFile.h"
#include "DataPaths.h"
#include "SealKey.h"
#include "SettingsStore.h"

#include <QCryptographicHash>
#include <algorithm>
#include <cstring>

namespace dvk {
namespace {

QByteArray digest(const QByteArray& text)
{
    return QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex();
}

} // namespace

const QByteArray DataStore::NoPasswordSentinel = QByteArrayLiteral("\x01\x02");

DataStore::DataStore(const Clock& clock)
    : archiveItems(clock)
    , purseCategories(clock)
    , memos(clock)
    , notes(clock)
    , m_clock(clock)
{
    setPassword({});
}

DataStore::~DataStore() = default;

void DataStore::setPassword(const QByteArray& password)
{
    const QByteArray hex = digest(password.isEmpty() ? NoPasswordSentinel : password);
    std::copy(hex.begin(), hex.end(), passwordBlock.begin());
    passwordBlock[32] = 0;
    m_sealKey.reset();
    changed();
    if (!password.isEmpty()) {
        QByteArray copy(password.constData(), password.size());
        adoptPassword(copy);
    }
}

void DataStore::adoptPassword(QByteArray& password)
{
    m_sealKey = SealKey::deriveWithNewSalt(password);
    changed();
}

void DataStore::setSealKey(std::unique_ptr<SealKey> key)
{
    m_sealKey = std::move(key);
    changed();
}

void DataStore::setChangeListener(std::function<void()> listener)
{
    m_changeListener = std::move(listener);
    const auto hook = [this] {
        changed();
    };
    archiveItems.setChangeHook(hook);
    purseCategories.setChangeHook(hook);
    memos.setChangeHook(hook);
    notes.setChangeHook(hook);
}

void DataStore::changed() const
{
    if (m_changeListener)
        m_changeListener();
}

bool DataStore::checkPassword(const QByteArray& password) const
{
    const QByteArray hex = digest(password);
    return std::memcmp(hex.constData(), passwordBlock.data(), 32) == 0;
}

bool DataStore::hasPassword() const
{
    return !checkPassword(NoPasswordSentinel);
}

QByteArray DataStore::countsText() const
{
    return QByteArray::number(quint64(archiveItems.count())) + '-' +
           QByteArray::number(quint64(purseCategories.count())) + '-' +
           QByteArray::number(quint64(memos.count())) + '-' +
           QByteArray::number(quint64(notes.count()));
}

FileResult DataStore::load()
{
    const QString path = DataPaths::dataFilePath();
    FileResult result = DataFile::loadFile(*this, path);
    if (!result.ok) {
        loadFailed = 1;
        // A block that was not read must not lock the user out.
        setPassword({});
        result.keptCopy = DataFile::keepDamagedCopy(path);
    }
    return result;
}

FileResult DataStore::save()
{
    if (m_saveHandler)
        return m_saveHandler();
    return saveDirectly();
}

FileResult DataStore::saveDirectly()
{
    const bool encrypted =
        SettingsStore().readNumber(SettingsStore::EncryptDVKFile).value_or(0) != 0;
    FileResult result = DataFile::saveFile(*this, DataPaths::dataFilePath(), encrypted);
    if (!result.ok)
        loadFailed = 1;
    return result;
}

} // namespace dvk
