#pragma once

#include "DataStore.h"

#include <QIODevice>

namespace dvk {

// Reads and writes the data file: a u32 marker, the four record lists and the 48-byte password
// block enciphered with the counts key, all little-endian, texts with a length prefix. The
// encrypted form is the same byte sequence through the ZIP stream cipher with the fixed file key;
// the form is told by the first four bytes (0 means plain). A store with a password saved with
// `encrypted` is written in the sealed form (SealedFile) instead, which is read with the store's
// key.
//
// Reading never trusts the bytes: a text longer than what is left of the input fails before
// anything is allocated, and no count makes a loop run longer than the input lasts. A record is
// appended to its list only after it was read completely, so a damaged file keeps everything
// read before the damage.
class DataFile final
{
public:
    // Writes the plain byte sequence of the store to an open device through a 4096-byte buffer.
    static FileResult write(const DataStore& store, QIODevice& device);
    // Appends the records read from an open device (which must report its full size) to the
    // store, and on success sets its password block. The store's loadFailed is left alone.
    static FileResult read(DataStore& store, QIODevice& device);

    // The whole file: written to a new file beside `path` that replaces it only when complete.
    // A new file is readable by its owner only.
    static FileResult saveFile(const DataStore& store, const QString& path, bool encrypted);
    // Reads the file at `path` in whichever form it is. A missing file is success with nothing
    // read; a file shorter than four bytes is deleted and counts as missing.
    static FileResult loadFile(DataStore& store, const QString& path);
    static bool isEncrypted(const QByteArray& firstFourBytes);

    // Copies a damaged file aside (`path`.damaged, or .damaged-2, -3, ... when that exists) and
    // returns the copy's path, or an empty text when no copy could be made.
    static QString keepDamagedCopy(const QString& path);
};

} // namespace dvk
