#pragma once

#include "DataStore.h"
#include "FileIdentity.h"

#include <QByteArray>
#include <QDateTime>
#include <memory>

namespace dvk {

class SealKey;

// One save of the data file as the worker thread does it, from the plain bytes the user-interface
// thread serialised: check that the file on disk is still what DVK last knew (else keep that
// version as a conflict copy), keep this hour's history copy, encipher or seal the bytes, and
// write them to a new file that replaces the old one only once complete and synced (QSaveFile).
struct SaveJob final
{
    enum class Form
    {
        Plain,
        Encrypted,
        Sealed
    };

    QByteArray plain;
    QString path;
    Form form = Form::Plain;
    std::shared_ptr<const SealKey> key; // a copy of the store's key, for the sealed form
    FileIdentity expected;              // the file as DVK last read or wrote it
    QDateTime now;
    bool keepHistory = true;

    struct Outcome
    {
        FileResult result;
        FileIdentity written; // the file just written, with the hash of its bytes
        QString conflictCopy; // where the outside version was kept, when there was one
        QByteArray spent;     // the job's plain bytes, handed back for the next save's buffer
    };

    Outcome run() const;

    // The bytes of the file in its form: the plain bytes, enciphered with the fixed file key or
    // sealed with `key`. Empty with `error` set when sealing failed.
    static QByteArray encode(const QByteArray& plain, Form form, const SealKey* key,
                             QString* error);
    // An independent copy of a key that a save on another thread can use after the store has
    // replaced or dropped its own.
    static std::shared_ptr<const SealKey> copyKey(const SealKey* key);
};

} // namespace dvk
