#pragma once

#include "Records.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>

namespace dvk {

// The result of reading or writing the data file. `ok` is false on any failure; `message` then
// says what went wrong in words a user can be shown.
struct FileResult
{
    bool ok = true;
    QString message;
    // After a failed load: where a copy of the damaged file was kept, if one was made.
    QString keptCopy;
};

// All of the user's data: four lists of records and the password digest. There is one store for
// the whole run; the panels edit its records in place and it is written back at exit.
class SealKey;

class DataStore final
{
public:
    static constexpr int PasswordBlockSize = 48;
    using PasswordBlock = std::array<quint8, PasswordBlockSize>;

    explicit DataStore(const Clock& clock = Clock::system());
    DataStore(const DataStore&) = delete;
    DataStore& operator=(const DataStore&) = delete;
    ~DataStore();

    // Reads the data file at the user's data path (see DataPaths). A missing file gives an empty
    // store; a damaged one keeps what was read before the damage, sets loadFailed, removes the
    // password and is copied aside first.
    FileResult load();
    // Writes the data file safely: the old file is replaced only by a completely written new one.
    // The form follows the EncryptDVKFile setting read now: sealed with the password's key when
    // there is a password, else encrypted with the fixed key; plain when the setting is off.
    FileResult save();
    // The same write, whatever save handler is set.
    FileResult saveDirectly();
    // Makes save() go through `handler` (the saver that writes as the user works, so that its
    // knowledge of the file stays true); an empty handler restores the direct write.
    void setSaveHandler(std::function<FileResult()> handler) { m_saveHandler = std::move(handler); }
    // Called after every addition to or removal from the four lists and every password change.
    // Edits inside a record are not announced; a saver compares fingerprints for those.
    void setChangeListener(std::function<void()> listener);

    // An empty or absent text means no password. A new password also gets a new sealing key
    // (new salt); the copy of the password it was derived from is wiped.
    void setPassword(const QByteArray& password);
    // Derives a new sealing key (new salt) for the password the store already has, after the
    // user typed it; wipes `password`.
    void adoptPassword(QByteArray& password);
    // The key that sealed saves use: set by setPassword, adoptPassword or after unsealing.
    const SealKey* sealKey() const { return m_sealKey.get(); }
    void setSealKey(std::unique_ptr<SealKey> key);
    bool checkPassword(const QByteArray& password) const;
    bool hasPassword() const;
    // "%lu-%lu-%lu-%lu" of the four list counts; the key of the password block in the file.
    QByteArray countsText() const;

    const Clock& clock() const { return m_clock; }

    PasswordBlock passwordBlock{};
    RecordList<ArchiveItem> archiveItems;
    RecordList<PurseCategory> purseCategories;
    RecordList<MemoRecord> memos;
    RecordList<NoteRecord> notes;
    int loadFailed = 0;

    // Stands for "no password": two control characters that no password box can produce.
    static const QByteArray NoPasswordSentinel;

private:
    void changed() const;

    const Clock& m_clock;
    std::unique_ptr<SealKey> m_sealKey;
    std::function<FileResult()> m_saveHandler;
    std::function<void()> m_changeListener;
};

} // namespace dvk
