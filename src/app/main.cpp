// DVK: start-up, the main window, and the save at the end.
#include "AppSteps.h"
#include "CommandLine.h"
#include "DataPaths.h"
#include "DataStore.h"
#include "ExchangeCommand.h"
#include "HelpLauncher.h"
#include "IconLibrary.h"
#include "PanelFactory.h"
#include "ProgramIcons.h"
#include "SingleInstance.h"
#include "Startup.h"
#include "TerminalPassword.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QSessionManager>
#include <cstdio>
#include <unistd.h>

namespace {

QStringList argumentList(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char** argv)
{
    // The options are read before any window system connection, so that the command-line
    // modes run without a display.
    const dvk::CommandLine options = dvk::CommandLine::parse(argumentList(argc, argv));
    dvk::DataPaths::setFolderForThisRun(options.dataFolder);
    switch (options.mode) {
    case dvk::CommandLine::Mode::Help:
        print(stdout, dvk::CommandLine::usage());
        return 0;
    case dvk::CommandLine::Mode::Version:
        print(stdout, dvk::CommandLine::versionText() + QLatin1Char('\n'));
        return 0;
    case dvk::CommandLine::Mode::UsageError:
        print(stderr, options.error + QLatin1Char('\n') + dvk::CommandLine::usage());
        return 2;
    case dvk::CommandLine::Mode::Export:
    case dvk::CommandLine::Mode::Import: {
        // No window system: these run in scripts and over ssh.
        QCoreApplication core(argc, argv);
        dvk::TerminalPassword passwords;
        const auto outcome =
            dvk::ExchangeCommand::run(options.mode == dvk::CommandLine::Mode::Export
                                          ? dvk::ExchangeCommand::Direction::Export
                                          : dvk::ExchangeCommand::Direction::Import,
                                      options.format, options.file, passwords);
        if (!outcome.error.isEmpty())
            print(stderr, outcome.error + QLatin1Char('\n'));
        if (!outcome.notice.isEmpty())
            print(stdout, outcome.notice + QLatin1Char('\n'));
        return outcome.exitCode;
    }
    case dvk::CommandLine::Mode::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DVK"));
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationVersion(QStringLiteral("2.9"));
    QApplication::setDesktopFileName(QStringLiteral("dvk"));
    QApplication::setWindowIcon(dvk::ProgramIcons::application());
    // Start-up runs one modal window after another; none of them closing ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    bool restart = false;
    {
        dvk::DataStore store;
        dvk::SingleInstance instance;
        dvk::AppSteps steps(store, dvk::IconLibrary::instance(), dvk::makePanelFactory(store));
        steps.setStartHidden(options.hidden);
        // The end of the desktop session ends DVK as "Close" does.
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &steps,
                         [&steps](QSessionManager&) { steps.terminate(); });

        dvk::TerminationSignals termination;
        QObject::connect(&termination, &dvk::TerminationSignals::received, &steps,
                         &dvk::AppSteps::terminate);
        QObject::connect(&instance, &dvk::SingleInstance::activationRequested, &steps,
                         &dvk::AppSteps::activate);
        dvk::HelpLauncher help;
        app.installEventFilter(&help);

        dvk::Startup::run(store, instance, steps);
        restart = steps.restartRequested();
    }
    // Another version of the data file was chosen and staged: start again on it, with the lock
    // of this run already released.
    if (restart)
        ::execv("/proc/self/exe", argv);
    return 0;
}
