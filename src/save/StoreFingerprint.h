#pragma once

#include <QtGlobal>

namespace dvk {

class DataStore;

// A hash over every field of every record, the password block and the sealing key's salt: two
// stores that would be saved differently have different fingerprints. It walks the records
// without serialising them, so comparing it on a timer finds the edits made inside a record,
// which the lists do not announce.
namespace StoreFingerprint {

size_t of(const DataStore& store);

} // namespace StoreFingerprint
} // namespace dvk
