#include "DataFile.h"

#include "CipherDevice.h"
#include "DataStream.h"
#include "SealedFile.h"
#include "SealedHeader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace dvk {
namespace {

void writeNote(DataWriter& w, const NoteRecord& n, bool itemLayout)
{
    w.u32s({n.year, n.month, n.day});
    if (itemLayout) {
        w.u32(n.imageIndex);
        w.text(n.text);
    } else {
        w.text(n.text);
        w.u32(n.imageIndex);
    }
}

void readNote(DataReader& r, NoteRecord& n, bool itemLayout)
{
    r.i32s({&n.year, &n.month, &n.day});
    if (itemLayout) {
        n.imageIndex = r.i32();
        n.text = r.text();
    } else {
        n.text = r.text();
        n.imageIndex = r.i32();
    }
}

void writeItem(DataWriter& w, const ArchiveItem& item)
{
    w.u32s({item.createdYear, item.createdMonth, item.createdDay});
    w.text(item.name);
    w.text(item.category);
    w.list(item.fields, [](DataWriter& w, const ArchiveField& f) {
        w.text(f.name);
        w.text(f.value);
    });
    w.list(item.notes, [](DataWriter& w, const NoteRecord& n) { writeNote(w, n, true); });
}

void readItem(DataReader& r, ArchiveItem& item)
{
    r.i32s({&item.createdYear, &item.createdMonth, &item.createdDay});
    item.name = r.text();
    item.category = r.text();
    r.list(item.fields, [](DataReader& r, ArchiveField& f) {
        f.name = r.text();
        f.value = r.text();
    });
    r.list(item.notes, [](DataReader& r, NoteRecord& n) { readNote(r, n, true); });
}

void writeCategory(DataWriter& w, const PurseCategory& c)
{
    w.text(c.name);
    w.list(c.entries, [](DataWriter& w, const PurseEntry& e) {
        w.u32s({e.year, e.month, e.day});
        w.text(e.note);
        w.f64(e.amount);
    });
}

void readCategory(DataReader& r, PurseCategory& c)
{
    c.name = r.text();
    r.list(c.entries, [](DataReader& r, PurseEntry& e) {
        r.i32s({&e.year, &e.month, &e.day});
        e.note = r.text();
        e.amount = r.f64();
    });
}

void writeMemo(DataWriter& w, const MemoRecord& m)
{
    w.u32s({m.createdYear, m.createdMonth, m.createdDay});
    w.text(m.text);
    w.u32s({m.imageIndex, m.dueYear, m.dueMonth, m.dueDay, m.dueHour, m.dueMinute, m.dueSecond,
            m.anyTime, m.dismissed, m.beep, m.recurrence});
}

void readMemo(DataReader& r, MemoRecord& m)
{
    r.i32s({&m.createdYear, &m.createdMonth, &m.createdDay});
    m.text = r.text();
    r.i32s({&m.imageIndex, &m.dueYear, &m.dueMonth, &m.dueDay, &m.dueHour, &m.dueMinute,
            &m.dueSecond, &m.anyTime, &m.dismissed, &m.beep, &m.recurrence});
}

DataStore::PasswordBlock cipheredBlock(const DataStore::PasswordBlock& block, const QByteArray& key,
                                       bool encrypt)
{
    DataStore::PasswordBlock out = block;
    ZipCipher cipher(key);
    if (encrypt)
        cipher.encrypt(reinterpret_cast<char*>(out.data()), qsizetype(out.size()));
    else
        cipher.decrypt(reinterpret_cast<char*>(out.data()), qsizetype(out.size()));
    return out;
}

} // namespace

FileResult DataFile::write(const DataStore& store, QIODevice& device)
{
    DataWriter w(device);
    try {
        w.u32(0);
        w.list(store.archiveItems, writeItem);
        w.list(store.purseCategories, writeCategory);
        w.list(store.memos, writeMemo);
        w.list(store.notes, [](DataWriter& w, const NoteRecord& n) { writeNote(w, n, false); });
        const auto block = cipheredBlock(store.passwordBlock, store.countsText(), true);
        w.raw(reinterpret_cast<const char*>(block.data()), qsizetype(block.size()));
        w.flush();
    } catch (const StreamError& e) {
        return {false, e.message, {}};
    }
    return {};
}

FileResult DataFile::read(DataStore& store, QIODevice& device)
{
    DataReader r(device);
    try {
        r.u32(); // the marker: always 0 when written, ignored when read
        r.list(store.archiveItems, readItem);
        r.list(store.purseCategories, readCategory);
        r.list(store.memos, readMemo);
        r.list(store.notes, [](DataReader& r, NoteRecord& n) { readNote(r, n, false); });
        DataStore::PasswordBlock block{};
        r.raw(reinterpret_cast<char*>(block.data()), qsizetype(block.size()));
        store.passwordBlock = cipheredBlock(block, store.countsText(), false);
    } catch (const StreamError& e) {
        return {false, e.message, {}};
    }
    return {};
}

bool DataFile::isEncrypted(const QByteArray& firstFourBytes)
{
    return firstFourBytes.size() == 4 && firstFourBytes != QByteArray(4, '\0');
}

FileResult DataFile::saveFile(const DataStore& store, const QString& path, bool encrypted)
{
    const bool existed = QFileInfo::exists(path);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return {false, out.errorString(), {}};
    FileResult result;
    if (encrypted && store.hasPassword()) {
        result = SealedFile::write(store, out, store.sealKey());
    } else if (encrypted) {
        CipherDevice cipher(&out, ZipCipher::fileKey());
        result = cipher.open(QIODevice::WriteOnly) ? write(store, cipher)
                                                   : FileResult{false, cipher.errorString(), {}};
    } else {
        result = write(store, out);
    }
    if (!result.ok) {
        out.cancelWriting();
        return result;
    }
    if (!out.commit())
        return {false, out.errorString(), {}};
    if (!existed)
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return {};
}

FileResult DataFile::loadFile(DataStore& store, const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    // DataReader buffers on its own; QFile's buffer would only copy every byte once more.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {false, file.errorString(), {}};
    const QByteArray head = file.read(8);
    if (head.size() < 4) {
        // Only a file that really is shorter than its marker is empty data; a first read that
        // came back short from a longer file is a read error, and the file stays.
        if (file.size() >= 4)
            return {false, file.errorString(), {}};
        file.close();
        file.remove();
        return {};
    }
    file.seek(0);
    if (SealedHeader::hasPreamble(head))
        return SealedFile::read(store, file, store.sealKey());
    if (!isEncrypted(head.first(4)))
        return read(store, file);
    CipherDevice cipher(&file, ZipCipher::fileKey());
    if (!cipher.open(QIODevice::ReadOnly))
        return {false, cipher.errorString(), {}};
    return read(store, cipher);
}

QString DataFile::keepDamagedCopy(const QString& path)
{
    QString target = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(target) && n < 1000; ++n)
        target = path + QStringLiteral(".damaged-") + QString::number(n);
    return QFile::copy(path, target) ? target : QString();
}

} // namespace dvk
