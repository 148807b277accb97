#pragma once

#include <QString>
#include <QStringList>

namespace dvk {

// The options of the dvk command. `parse` turns the arguments into what this run is to do, so
// that main only dispatches and the rules can be tested without starting anything.
struct CommandLine
{
    enum class Mode
    {
        Run,
        Export,
        Import,
        Help,
        Version,
        UsageError
    };

    Mode mode = Mode::Run;
    QString format;     // "json", "csv", "ics" or "md" for Export/Import
    QString file;       // the file to write or read for Export/Import
    QString dataFolder; // --data-folder, empty when not given
    bool hidden = false;
    QString error; // what was wrong, for UsageError

    static CommandLine parse(const QStringList& arguments);
    // The --help text; also printed after a usage error.
    static QString usage();
    static QString versionText();
};

} // namespace dvk
