#include "CommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>

namespace dvk {

namespace {

const QStringList exportFormats{QStringLiteral("json"), QStringLiteral("csv"),
                                QStringLiteral("ics"), QStringLiteral("md")};
const QStringList importFormats{QStringLiteral("json"), QStringLiteral("csv"),
                                QStringLiteral("ics")};

struct Parser
{
    QCommandLineParser parser;
    QCommandLineOption exportOption{QStringLiteral("export"),
                                    QStringLiteral("Write the data to FILE in FORMAT (json, csv, "
                                                   "ics or md) and end."),
                                    QStringLiteral("FORMAT")};
    QCommandLineOption importOption{QStringLiteral("import"),
                                    QStringLiteral("Add the records of FILE in FORMAT (json, csv "
                                                   "or ics) to the data and end."),
                                    QStringLiteral("FORMAT")};
    QCommandLineOption dataFolderOption{QStringLiteral("data-folder"),
                                        QStringLiteral("Use the data file in PATH for this run."),
                                        QStringLiteral("PATH")};
    QCommandLineOption hiddenOption{
        QStringLiteral("hidden"), QStringLiteral("Start in the tray without showing the window.")};
    QCommandLineOption helpOption{{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end.")};
    QCommandLineOption versionOption{{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end.")};

    Parser()
    {
        parser.setApplicationDescription(QStringLiteral("DVK, a personal information manager."));
        parser.addOptions({exportOption, importOption, dataFolderOption, hiddenOption, helpOption,
                           versionOption});
        parser.addPositionalArgument(QStringLiteral("FILE"),
                                     QStringLiteral("The file to export to or import from."),
                                     QStringLiteral("[FILE]"));
    }
};

CommandLine usageError(const QString& error)
{
    CommandLine line;
    line.mode = CommandLine::Mode::UsageError;
    line.error = error;
    return line;
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments)
{
    Parser p;
    if (!p.parser.parse(arguments))
        return usageError(p.parser.errorText());
    CommandLine line;
    if (p.parser.isSet(p.helpOption)) {
        line.mode = Mode::Help;
        return line;
    }
    if (p.parser.isSet(p.versionOption)) {
        line.mode = Mode::Version;
        return line;
    }
    const bool exporting = p.parser.isSet(p.exportOption);
    const bool importing = p.parser.isSet(p.importOption);
    const QStringList positional = p.parser.positionalArguments();
    if (exporting && importing)
        return usageError(QStringLiteral("Give either --export or --import, not both."));
    if (exporting || importing) {
        line.mode = exporting ? Mode::Export : Mode::Import;
        line.format = p.parser.value(exporting ? p.exportOption : p.importOption).toLower();
        const QStringList& formats = exporting ? exportFormats : importFormats;
        if (!formats.contains(line.format))
            return usageError(QStringLiteral("Unknown format \"%1\"; use %2.")
                                  .arg(line.format, formats.join(QStringLiteral(", "))));
        if (positional.size() != 1)
            return usageError(QStringLiteral("Give exactly one FILE."));
        line.file = positional.first();
    } else if (!positional.isEmpty()) {
        return usageError(QStringLiteral("Unexpected argument \"%1\".").arg(positional.first()));
    }
    if (p.parser.isSet(p.dataFolderOption)) {
        line.dataFolder = p.parser.value(p.dataFolderOption);
        if (line.dataFolder.isEmpty())
            return usageError(QStringLiteral("--data-folder needs a folder."));
        line.dataFolder = QDir::cleanPath(QDir(line.dataFolder).absolutePath());
    }
    line.hidden = p.parser.isSet(p.hiddenOption);
    return line;
}

QString CommandLine::usage()
{
    Parser p;
    // helpText() names the program as the running executable does; keep it stable.
    return p.parser.helpText().replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                                       QStringLiteral("Usage: dvk"));
}

QString CommandLine::versionText()
{
    return QStringLiteral("DVK 2.9");
}

} // namespace dvk
