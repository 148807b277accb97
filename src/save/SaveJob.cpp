#include "SaveJob.h"

#include "CipherDevice.h"
#include "ConflictGuard.h"
#include "HistoryKeeper.h"
#include "SealKey.h"
#include "SealedWriter.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

namespace dvk {

QByteArray SaveJob::encode(const QByteArray& plain, Form form, const SealKey* key, QString* error)
{
    if (form == Form::Plain)
        return plain;
    QByteArray out;
    out.reserve(plain.size() + plain.size() / 64 + 256);
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (form == Form::Encrypted) {
        CipherDevice cipher(&buffer, ZipCipher::fileKey());
        cipher.open(QIODevice::WriteOnly);
        cipher.write(plain);
        return out;
    }
    if (!key) {
        *error = QStringLiteral("The data file cannot be sealed: the password's key is missing.");
        return {};
    }
    SealedWriter writer(&buffer, *key);
    if (!writer.open(QIODevice::WriteOnly) || writer.write(plain) != plain.size() ||
        !writer.finish()) {
        *error = writer.errorString();
        return {};
    }
    return out;
}

std::shared_ptr<const SealKey> SaveJob::copyKey(const SealKey* key)
{
    if (!key)
        return {};
    return SealKey::fromBytes(
        QByteArrayView(reinterpret_cast<const char*>(key->bytes()), SealKey::KeySize), key->salt(),
        key->opsLimit(), key->memLimitKiB());
}

SaveJob::Outcome SaveJob::run() const
{
    Outcome outcome;
    QString error;
    const QByteArray bytes = encode(plain, form, key.get(), &error);
    if (bytes.isEmpty()) {
        outcome.result = {false, error, {}};
        return outcome;
    }
    if (ConflictGuard::changedOutside(path, expected)) {
        outcome.conflictCopy = ConflictGuard::keepCopy(path, now);
        // Without a copy of the other version, writing over it would lose it.
        if (outcome.conflictCopy.isEmpty()) {
            outcome.result = {false,
                              QStringLiteral("The data file was changed by another program, and "
                                             "DVK could not keep a copy of that version."),
                              {}};
            return outcome;
        }
    }
    if (keepHistory)
        HistoryKeeper::keepBeforeReplace(path, now);

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        outcome.result = {false, out.errorString(), {}};
        return outcome;
    }
    if (out.write(bytes) != bytes.size()) {
        outcome.result = {false, out.errorString(), {}};
        out.cancelWriting();
        return outcome;
    }
    // commit() syncs the new file to disk before it renames it over the old one.
    if (!out.commit()) {
        outcome.result = {false, out.errorString(), {}};
        return outcome;
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    outcome.written = FileIdentity::of(path, false);
    outcome.written.hash = FileIdentity::hashOf(bytes);
    return outcome;
}

} // namespace dvk
