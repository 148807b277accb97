#pragma once

#include "MainWindow.h"
#include "Startup.h"

#include <QObject>
#include <QPointer>
#include <memory>

class QEventLoop;

namespace dvk {

class AutoSaver;
class IconLibrary;

// The windows of start-up and shutdown: the data-file error dialog, the password prompt, the
// main window and the question after a failed save. It also answers a request to end (a
// termination signal) as the user would: the main window closes as "Close" does, so the data is
// saved; before it runs, the dialog on screen is cancelled and nothing is saved. While the main
// window runs, the data is saved as the user works, and at once when the desktop session ends.
class AppSteps final : public QObject, public StartupSteps
{
    Q_OBJECT
public:
    AppSteps(DataStore& store, IconLibrary& icons, MainWindow::PanelFactory panels);
    ~AppSteps() override;

    bool continueAfterDataFileError(const FileResult& result) override;
    bool saveOverUncopiedFile() override;
    bool askPassword(DataStore& store) override;
    bool unsealPassword(DataStore& store, const QString& path) override;
    void sealingUnavailable() override;
    void loadIconLibrary() override;
    void beginSavingAsYouGo() override;
    void runMainWindow() override;
    bool retryFailedSave(const FileResult& result) override;
    void saveIconLibrary() override;

    // Ends the run as the user's "Close" (main window) or "Cancel" (earlier dialogs) would.
    void terminate();
    // Shows, restores and raises the window the user is working in.
    void activate();
    // Ends the run as "Close" does, also while the window is hidden in the tray.
    void quit();
    // The main window starts hidden in the tray (shown at once when there is no tray).
    void setStartHidden(bool hidden) { m_startHidden = hidden; }
    // The user chose to open another version of the data file: DVK is to start again.
    bool restartRequested() const { return m_restart; }
    // The saver of this run, once saving as you go has begun (else null).
    AutoSaver* autoSaver() const { return m_saver.get(); }

private:
    void closeNextWindow();
    // Waits while the window is hidden in the tray; false when the run is to end.
    bool waitHidden();
    void tellSaveFailed(const QString& message);
    void askAboutConflict(const QString& conflictCopy);

    DataStore& m_store;
    IconLibrary& m_icons;
    MainWindow::PanelFactory m_panels;
    QPointer<MainWindow> m_mainWindow;
    std::unique_ptr<AutoSaver> m_saver;
    bool m_terminating = false;
    bool m_startHidden = false;
    bool m_quitting = false;
    // Runs while the main window is hidden in the tray.
    QEventLoop* m_hiddenLoop = nullptr;
    bool m_restart = false;
};

} // namespace dvk
