#pragma once

#include "MainWindowLayout.h"
#include "SearchHit.h"

#include <QDialog>
#include <array>
#include <functional>
#include <utility>

class QMenu;
class QPushButton;

namespace dvk {

class DataStore;
class FindWindow;
class NavigationBar;

// DVK's main window: the navigation bar on the left, the panel area showing the one panel the
// bar selects, and the buttons "Tools...", "About..." and "Close". Start-up runs it with exec()
// and saves the data when it returns. Enter and Esc do nothing; the close box and Alt+F4 act
// as "Close".
class MainWindow final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int PanelCount = 4;
    // Creates panel `index` (0 Archives, 1 Purse, 2 Memo, 3 Notes) as a child of `parent`.
    using PanelFactory = std::function<QWidget*(int index, QWidget* parent)>;
    // Selects the record of `hit` in `panel`, the panel the hit belongs to, already shown.
    using HitNavigator = std::function<void(QWidget* panel, const SearchHit& hit)>;

    explicit MainWindow(DataStore& store, const PanelFactory& panels, QWidget* parent = nullptr);
    ~MainWindow() override;

    NavigationBar* navigationBar() const { return m_bar; }
    QWidget* panel(int index) const;
    QPushButton* toolsButton() const { return m_tools; }
    QPushButton* aboutButton() const { return m_about; }
    QPushButton* closeButton() const { return m_close; }
    QMenu* toolsMenu() const { return m_toolsMenu; }
    const MainWindowLayout& layoutMargins() const { return m_layout; }
    // Decides, each time, whether "Close", the close box and Alt+F4 only hide the window (DVK
    // keeps running in the tray) instead of ending the run.
    void setHideOnClose(std::function<bool()> hide) { m_hideOnClose = std::move(hide); }
    void setHitNavigator(HitNavigator navigator) { m_hitNavigator = std::move(navigator); }
    // The Find window once "Find..." has opened it (else null).
    FindWindow* findWindow() const { return m_find; }
    // True once after the window was hidden instead of closed.
    bool takeHiddenOnClose() { return std::exchange(m_hiddenOnClose, false); }

public Q_SLOTS:
    // Shows the panel the bar has selected and hides the other three.
    void showSelectedPanel();
    // Reminders are due: the bar's "Memo" entry blinks until the user selects it.
    void memoAlert();
    // Places the bar, the panels and the buttons for the current size; skipped while minimised.
    void relayoutWindow();
    // Opens the Tools menu upwards from its button.
    void openToolsMenu();
    void runAbout();
    // "Find..." (Ctrl+F): opens the Find window, or brings it back with its text selected.
    void find();
    // Switches to the panel of `hit` and has the navigator select its record there.
    void showHit(const dvk::SearchHit& hit);
    void runSecurity();
    void runDateFormat();
    // "Close", the close box and Alt+F4.
    void closeWindow();
    void backup();
    void restore();
    void exportData();
    // Adds the records of a file to the store; the panels are then built anew to show them.
    void importData();
    // Lists the kept earlier versions of the data file; the chosen one is staged as "Restore..."
    // stages a backup.
    void history();
    // Esc does nothing here.
    void reject() override;

Q_SIGNALS:
    // The date format changed and every visible date has been redrawn with it.
    void dateFormatChanged();
    // "Reminders..." in the Tools menu.
    void remindersRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* makeButton(const QString& text, const QRect& designed);
    void buildToolsMenu();
    void repaintEverything();
    void buildPanels();
    void stageRestore(const QString& source);

    DataStore& m_store;
    PanelFactory m_panelFactory;
    const MainWindowLayout m_layout;
    NavigationBar* m_bar = nullptr;
    std::array<QWidget*, PanelCount> m_panels{};
    QPushButton* m_tools = nullptr;
    QPushButton* m_about = nullptr;
    QPushButton* m_close = nullptr;
    QMenu* m_toolsMenu = nullptr;
    FindWindow* m_find = nullptr;
    HitNavigator m_hitNavigator;
    std::function<bool()> m_hideOnClose;
    bool m_hiddenOnClose = false;
};

} // namespace dvk
