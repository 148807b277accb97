#include "ExchangeCommand.h"

#include "DataFile.h"
#include "DataPaths.h"
#include "Exchange.h"
#include "SealKey.h"
#include "SealedFile.h"
#include "SingleInstance.h"

#include <sys/stat.h>

namespace dvk {
namespace {

using namespace Qt::StringLiterals;

const QString PasswordPrompt = u"Password of the DVK data file: "_s;

ExchangeCommand::Outcome failed(const QString& error)
{
    return {1, error, {}};
}

// Reads the data file into the store, asking for its password where it has one. An empty
// error means the store is ready.
QString load(DataStore& store, PasswordSource& passwords, bool forSaving)
{
    const QString path = DataPaths::dataFilePath();
    const SealedFile::Kind kind = SealedFile::kindOf(path);
    if (kind != SealedFile::Kind::NotSealed && !SealKey::cryptoAvailable())
        return u"The data file is sealed and the encryption library could not be started."_s;
    const bool sealed = kind == SealedFile::Kind::Sealed;
    if (sealed) {
        std::optional<QByteArray> typed = passwords.password(PasswordPrompt);
        if (!typed)
            return u"No password was given."_s;
        std::unique_ptr<SealKey> key = SealedFile::unlock(path, *typed);
        if (!key)
            return u"Wrong password."_s;
        store.setSealKey(std::move(key));
    }
    // Read directly rather than through the store's load: a damaged file is reported and left
    // exactly as it is, with no copy made and nothing saved over it.
    const FileResult loaded = DataFile::loadFile(store, path);
    if (!loaded.ok)
        return u"Cannot read the data file %1: %2"_s.arg(path, loaded.message);
    if (!sealed && store.hasPassword()) {
        std::optional<QByteArray> typed = passwords.password(PasswordPrompt);
        const bool right = typed && store.checkPassword(*typed);
        if (right && forSaving)
            store.adoptPassword(*typed); // the key of a sealed save comes from it
        if (typed)
            typed->fill('\0');
        if (!right)
            return typed ? u"Wrong password."_s : u"No password was given."_s;
    }
    return {};
}

} // namespace

ExchangeCommand::Outcome ExchangeCommand::run(Direction direction, const QString& format,
                                              const QString& file, PasswordSource& passwords)
{
    const std::optional<Exchange::Format> chosen = Exchange::formatNamed(format);
    if (!chosen || (direction == Direction::Import && !Exchange::canImport(*chosen)))
        return failed(u"Unknown format \"%1\"."_s.arg(format));
    // What DVK writes holds private data: the owner's alone from the first byte.
    ::umask(S_IRWXG | S_IRWXO);

    DataStore store;
    if (direction == Direction::Export) {
        if (const QString error = load(store, passwords, false); !error.isEmpty())
            return failed(error);
        const FileResult written = Exchange::exportToFile(store, *chosen, file);
        return written.ok ? Outcome{} : failed(written.message);
    }

    SingleInstance instance;
    if (!instance.lockQuietly())
        return failed(u"DVK is running. Close it and try again."_s);
    if (const QString error = load(store, passwords, true); !error.isEmpty())
        return failed(error);
    const ImportResult imported = Exchange::importFile(store, *chosen, file);
    if (!imported.ok)
        return failed(imported.message);
    const FileResult saved = store.save();
    if (!saved.ok)
        return failed(saved.message);
    return {0, {}, Exchange::importNotice(imported)};
}

} // namespace dvk
