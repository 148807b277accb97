#pragma once

#include "DataStore.h"
#include "SealKey.h"

#include <QIODevice>
#include <memory>

namespace dvk {

// The sealed form of the data file as a whole (layout in SealedHeader): telling a sealed file by
// its preamble, checking a password against it by its first chunk, and reading and writing the
// store through the sealed layers.
namespace SealedFile {

enum class Kind
{
    NotSealed,
    Sealed,
    Damaged, // the preamble is there but the header or the first chunk cannot be right
};

// Looks at the first bytes of the file at `path` only.
Kind kindOf(const QString& path);

// The key of the sealed file at `path` when `password` is its password, else null. Derives
// the key with the file's salt and limits and checks it by the first chunk. The password bytes
// are wiped.
std::unique_ptr<SealKey> unlock(const QString& path, QByteArray& password);

// Reads a whole sealed file from `device` (open at its start) into the store. Any damage, a
// missing final chunk and bytes after it are failures; records read before the damage stay.
FileResult read(DataStore& store, QIODevice& device, const SealKey* key);
// Writes the store sealed with `key` to `device`.
FileResult write(const DataStore& store, QIODevice& device, const SealKey* key);

} // namespace SealedFile
} // namespace dvk
