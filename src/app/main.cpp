// DVK: start-up, the main window, and the save at the end.
#include "AppSteps.h"
#include "DataStore.h"
#include "HelpLauncher.h"
#include "IconLibrary.h"
#include "PanelFactory.h"
#include "ProgramIcons.h"
#include "SingleInstance.h"
#include "Startup.h"
#include "TerminationSignals.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DVK"));
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationVersion(QStringLiteral("2.9"));
    QApplication::setDesktopFileName(QStringLiteral("dvk"));
    QApplication::setWindowIcon(dvk::ProgramIcons::application());
    // Start-up runs one modal window after another; none of them closing ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    dvk::DataStore store;
    dvk::SingleInstance instance;
    dvk::AppSteps steps(store, dvk::IconLibrary::instance(), dvk::makePanelFactory(store));

    dvk::TerminationSignals termination;
    QObject::connect(&termination, &dvk::TerminationSignals::received, &steps,
                     &dvk::AppSteps::terminate);
    QObject::connect(&instance, &dvk::SingleInstance::activationRequested, &steps,
                     &dvk::AppSteps::activate);
    dvk::HelpLauncher help;
    app.installEventFilter(&help);

    dvk::Startup::run(store, instance, steps);
    return 0;
}
