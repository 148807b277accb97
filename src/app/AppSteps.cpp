#include "AppSteps.h"

#include "AutoSaver.h"
#include "ConflictGuard.h"
#include "DataFileErrorDialog.h"
#include "DataPaths.h"
#include "DesktopIntegration.h"
#include "IconLibrary.h"
#include "PanelFactory.h"
#include "PasswordDialog.h"
#include "Prompts.h"
#include "SealKey.h"
#include "SealedFile.h"

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QSessionManager>
#include <QTimer>

namespace dvk {

AppSteps::AppSteps(DataStore& store, IconLibrary& icons, MainWindow::PanelFactory panels)
    : m_store(store)
    , m_icons(icons)
    , m_panels(std::move(panels))
{}

AppSteps::~AppSteps() = default;

bool AppSteps::continueAfterDataFileError(const FileResult&)
{
    if (m_terminating)
        return false;
    DataFileErrorDialog dialog;
    return dialog.exec() == QDialog::Accepted && !m_terminating;
}

bool AppSteps::saveOverUncopiedFile()
{
    if (m_terminating)
        return false;
    const QString text =
        QStringLiteral("DVK could not keep a copy of the data file it could not read.\n\n"
                       "Click [Yes] to save over that file when DVK closes, or [No] to leave it "
                       "as it is; changes made now are then not saved.");
    return Prompts::current().message(nullptr, text, Prompts::Buttons::YesNo,
                                      Prompts::Icon::Warning) == Prompts::Answer::Yes;
}

bool AppSteps::askPassword(DataStore& store)
{
    if (m_terminating)
        return false;
    PasswordDialog dialog(store);
    if (dialog.exec() != QDialog::Accepted || m_terminating)
        return false;
    // The key for sealed saves comes from the password just typed, with a new salt.
    QByteArray typed = dialog.passwordEdit()->text().toLocal8Bit();
    dialog.passwordEdit()->clear();
    store.adoptPassword(typed);
    return true;
}

bool AppSteps::unsealPassword(DataStore& store, const QString& path)
{
    if (m_terminating)
        return false;
    PasswordDialog dialog([&store, &path](QByteArray& password) {
        std::unique_ptr<SealKey> key = SealedFile::unlock(path, password);
        if (!key)
            return false;
        store.setSealKey(std::move(key));
        return true;
    });
    const bool given = dialog.exec() == QDialog::Accepted && !m_terminating;
    dialog.passwordEdit()->clear();
    return given;
}

void AppSteps::sealingUnavailable()
{
    Prompts::current().message(
        nullptr,
        QStringLiteral("DVK cannot open its data file: it is sealed with the "
                       "password, and the encryption library could not be "
                       "started.\n\nClick [OK] to quit DVK."),
        Prompts::Buttons::Ok, Prompts::Icon::Critical);
}

void AppSteps::loadIconLibrary()
{
    m_icons.load();
}

void AppSteps::beginSavingAsYouGo()
{
    m_saver = std::make_unique<AutoSaver>(m_store);
    connect(m_saver.get(), &AutoSaver::saveFailed, this, &AppSteps::tellSaveFailed);
    connect(m_saver.get(), &AutoSaver::conflictFound, this, &AppSteps::askAboutConflict);
    // The end of the desktop session may not leave time for the window to close: save first.
    AutoSaver* saver = m_saver.get();
    const auto saveAtOnce = [saver] {
        saver->saveAndWait();
    };
    connect(qApp, &QCoreApplication::aboutToQuit, saver, saveAtOnce);
#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, saver, saveAtOnce);
    connect(qApp, &QGuiApplication::saveStateRequest, saver, saveAtOnce);
#endif
    m_saver->start();
}

void AppSteps::tellSaveFailed(const QString& message)
{
    const QString text = QStringLiteral("DVK could not save your data.\n\n%1\n\n"
                                        "DVK keeps trying. Your changes stay in the window "
                                        "until a save succeeds.")
                             .arg(message);
    Prompts::current().message(m_mainWindow, text, Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

void AppSteps::askAboutConflict(const QString& conflictCopy)
{
    if (!m_mainWindow || m_terminating) {
        Prompts::current().message(
            nullptr,
            QStringLiteral("Another program replaced DVK's data file while DVK was running. "
                           "That version is kept as:\n%1\n\nDVK saved your data over the data "
                           "file.")
                .arg(conflictCopy),
            Prompts::Buttons::Ok, Prompts::Icon::Warning);
        return;
    }
    const QString text =
        QStringLiteral("Another program replaced DVK's data file while DVK was running, for "
                       "example a sync tool with the version of another computer. That version "
                       "is kept as:\n%1\n\nDVK saved what you see over the data file.\n\n"
                       "Click [Yes] to open the other version (DVK keeps its own as a conflict "
                       "copy and starts again), or [No] to keep working on this one.")
            .arg(conflictCopy);
    if (Prompts::current().message(m_mainWindow, text, Prompts::Buttons::YesNo,
                                   Prompts::Icon::Warning) != Prompts::Answer::Yes)
        return;
    if (!ConflictGuard::stageOtherVersion(DataPaths::dataFilePath(), conflictCopy,
                                          QDateTime::currentDateTime())) {
        Prompts::current().message(m_mainWindow, QStringLiteral("Restore failed."),
                                   Prompts::Buttons::Ok, Prompts::Icon::None);
        return;
    }
    m_restart = true;
    terminate();
}

void AppSteps::runMainWindow()
{
    MainWindow window(m_store, m_panels);
    window.setHitNavigator(makeHitNavigator());
    m_mainWindow = &window;
    DesktopIntegration desktop(window, m_store.clock(),
                               {[this] { activate(); },
                                [this] {
                                    quit();
                                }});
    // Hidden in the tray, the window is shown again by the tray, a notification or a second
    // copy of DVK; each time it is closed while kept running, it hides again.
    bool hidden = m_startHidden && desktop.hasTray();
    while (!m_terminating && !m_quitting) {
        if (hidden) {
            if (!waitHidden())
                break;
            hidden = false;
        } else if (window.exec() == QDialog::Accepted || !window.takeHiddenOnClose()) {
            break;
        } else {
            hidden = true;
        }
    }
    m_mainWindow = nullptr;
}

bool AppSteps::waitHidden()
{
    QEventLoop loop;
    m_hiddenLoop = &loop;
    const int shown = loop.exec();
    m_hiddenLoop = nullptr;
    return shown == 1 && !m_terminating && !m_quitting;
}

bool AppSteps::retryFailedSave(const FileResult& result)
{
    if (m_terminating)
        return false;
    const QString text = QStringLiteral("DVK could not save your data.\n\n%1\n\n"
                                        "Click [OK] to try again, or [Cancel] to quit DVK "
                                        "without saving.")
                             .arg(result.message);
    return Prompts::current().message(nullptr, text, Prompts::Buttons::OkCancel,
                                      Prompts::Icon::Warning) == Prompts::Answer::Ok;
}

void AppSteps::saveIconLibrary()
{
    m_icons.save();
}

void AppSteps::terminate()
{
    m_terminating = true;
    closeNextWindow();
}

// Closes the innermost menu or dialog, one per turn of the event loop so that each nested loop
// can return, until the main window itself has been closed as "Close" closes it.
void AppSteps::closeNextWindow()
{
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    } else if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != m_mainWindow) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    } else {
        if (m_hiddenLoop)
            m_hiddenLoop->exit(0);
        else if (m_mainWindow)
            m_mainWindow->accept();
        return;
    }
    QTimer::singleShot(0, this, &AppSteps::closeNextWindow);
}

void AppSteps::quit()
{
    m_quitting = true;
    closeNextWindow();
}

void AppSteps::activate()
{
    if (m_hiddenLoop) {
        // The main window's own loop shows it; then it is raised.
        m_hiddenLoop->exit(1);
        QTimer::singleShot(0, this, &AppSteps::activate);
        return;
    }
    QWidget* window = QApplication::activeModalWidget();
    if (!window)
        window = m_mainWindow;
    if (!window)
        return;
    window->show();
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->raise();
    window->activateWindow();
}

} // namespace dvk
