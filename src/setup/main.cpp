// dvk-setup: installs DVK, installs it again or removes it. Its exit code is the dialog's result,
// 1 after "OK" and 2 after "Cancel". `dvk-setup --screenshot <file>` renders the dialog offscreen
// to a PNG file instead of running it.
#include "EmbeddedPayload.h"
#include "InstallPaths.h"
#include "Installer.h"
#include "SetupDialog.h"
#include "StandardSetupPrompts.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    const char* screenshot = nullptr;
    if (argc == 3 && std::strcmp(argv[1], "--screenshot") == 0) {
        screenshot = argv[2];
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else if (argc > 1) {
        std::fprintf(stderr, "usage: %s [--screenshot <file.png>]\n", argv[0]);
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(u"dvk-setup"_s);
    QApplication::setApplicationDisplayName(dvk::SetupPrompts::Caption);

    dvk::Installer installer(dvk::embeddedPayload(), dvk::InstallPaths::forCurrentProcess());
    dvk::StandardSetupPrompts prompts;
    dvk::SetupDialog dialog(installer, prompts);

    if (screenshot) {
        dialog.show();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        if (!dialog.grab().save(QString::fromLocal8Bit(screenshot))) {
            std::fprintf(stderr, "could not write %s\n", screenshot);
            return 1;
        }
        return 0;
    }
    const int result = dialog.exec();
    return result == dvk::SetupDialog::ClosedByOk ? result : dvk::SetupDialog::Cancelled;
}
