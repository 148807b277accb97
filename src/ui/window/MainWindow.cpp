#include "MainWindow.h"

#include "AboutDialog.h"
#include "Backup.h"
#include "DataPaths.h"
#include "DataStore.h"
#include "DateFormatDialog.h"
#include "DialogKeys.h"
#include "DialogUnits.h"
#include "ExchangeActions.h"
#include "FindWindow.h"
#include "HistoryDialog.h"
#include "NavigationBar.h"
#include "ProgramIcons.h"
#include "Prompts.h"
#include "SecurityDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <memory>

using namespace Qt::StringLiterals;

namespace dvk {
namespace {

const QString BackupFilter = u"Backup Files (*.bak)"_s;
const QString BackupSuffix = u"bak"_s;

} // namespace

MainWindow::MainWindow(DataStore& store, const PanelFactory& panels, QWidget* parent)
    : QDialog(parent)
    , m_store(store)
    , m_panelFactory(panels)
    , m_layout(DialogUnits(font()))
{
    setWindowTitle(u"DVK"_s);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    // Window managers only maximise a window that can be resized; it never gets smaller than
    // its designed size.
    resize(m_layout.designedSize());
    setMinimumSize(m_layout.designedSize());

    const MainWindowLayout::Placement designed = m_layout.designed();
    setWindowIcon(ProgramIcons::application());
    m_bar = new NavigationBar(this);
    std::array<QIcon, NavigationBar::EntryCount> icons;
    for (int i = 0; i < NavigationBar::EntryCount; ++i)
        icons[i] = ProgramIcons::navigation(i);
    m_bar->setIcons(icons);
    m_bar->setGeometry(designed.bar);

    buildPanels();

    m_tools = makeButton(u"&Tools..."_s, designed.tools);
    m_about = makeButton(u"&About..."_s, designed.about);
    // No mnemonic: Alt+C would close DVK while the user types in a panel's list.
    m_close = makeButton(u"Close"_s, designed.close);
    buildToolsMenu();

    connect(m_bar, &NavigationBar::selectionChanged, this, &MainWindow::showSelectedPanel,
            Qt::QueuedConnection);
    connect(m_tools, &QPushButton::clicked, this, &MainWindow::openToolsMenu);
    connect(m_about, &QPushButton::clicked, this, &MainWindow::runAbout);
    connect(m_close, &QPushButton::clicked, this, &MainWindow::closeWindow);

    showSelectedPanel();
    m_bar->setFocus();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::panel(int index) const
{
    return index >= 0 && index < PanelCount ? m_panels[index] : nullptr;
}

void MainWindow::buildPanels()
{
    static constexpr const char* panelNames[PanelCount] = {"archivesPanel", "pursePanel",
                                                           "memoPanel", "notesPanel"};
    const QRect place = m_panels[0] ? m_panels[0]->geometry() : m_layout.designed().panel;
    for (int i = 0; i < PanelCount; ++i) {
        // The panel is removed at once, so nothing reaches it while its records change.
        const std::unique_ptr<QWidget> old(m_panels[i]);
        QWidget* panel = m_panelFactory(i, this);
        Q_ASSERT(panel);
        panel->setParent(this);
        if (panel->objectName().isEmpty())
            panel->setObjectName(QString::fromLatin1(panelNames[i]));
        panel->setGeometry(place);
        m_panels[i] = panel;
    }
}

QPushButton* MainWindow::makeButton(const QString& text, const QRect& designed)
{
    auto* button = new QPushButton(text, this);
    // Enter must not press a button of the main window.
    button->setAutoDefault(false);
    button->setGeometry(designed);
    return button;
}

void MainWindow::buildToolsMenu()
{
    m_toolsMenu = new QMenu(this);
    QAction* find = m_toolsMenu->addAction(u"Find..."_s, this, &MainWindow::find);
    find->setShortcut(QKeySequence::Find);
    // The menu is hidden most of the time; the window holds the action so its shortcut works.
    addAction(find);
    m_toolsMenu->addAction(u"&Security..."_s, this, &MainWindow::runSecurity);
    m_toolsMenu->addAction(u"&Date Format..."_s, this, &MainWindow::runDateFormat);
    m_toolsMenu->addAction(u"Reminders..."_s, this, &MainWindow::remindersRequested);
    m_toolsMenu->addSeparator();
    m_toolsMenu->addAction(u"&Backup..."_s, this, &MainWindow::backup);
    m_toolsMenu->addAction(u"&Restore..."_s, this, &MainWindow::restore);
    m_toolsMenu->addAction(u"History..."_s, this, &MainWindow::history);
    m_toolsMenu->addAction(u"Export..."_s, this, &MainWindow::exportData);
    m_toolsMenu->addAction(u"Import..."_s, this, &MainWindow::importData);
}

void MainWindow::showSelectedPanel()
{
    int selected = m_bar->selected();
    if (selected < 1 || selected >= PanelCount)
        selected = 0;
    // Show first, then hide, so the focus never falls out of the window in between.
    m_panels[selected]->show();
    for (int i = 0; i < PanelCount; ++i) {
        if (i != selected)
            m_panels[i]->hide();
    }
}

void MainWindow::memoAlert()
{
    m_bar->memoAlert();
}

void MainWindow::relayoutWindow()
{
    if (isMinimized())
        return;
    const MainWindowLayout::Placement p = m_layout.place(size(), m_close->size());
    m_bar->setGeometry(p.bar);
    for (QWidget* panel : m_panels)
        panel->setGeometry(p.panel);
    m_close->setGeometry(p.close);
    m_about->setGeometry(p.about);
    m_tools->setGeometry(p.tools);
    update();
}

void MainWindow::openToolsMenu()
{
    // The menu's bottom-left corner sits on the button's top-left corner.
    const QPoint corner = m_tools->mapToGlobal(QPoint(0, 0));
    m_toolsMenu->popup(corner - QPoint(0, m_toolsMenu->sizeHint().height()));
}

void MainWindow::runAbout()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::find()
{
    if (!m_find) {
        m_find = new FindWindow(m_store, this);
        connect(m_find, &FindWindow::goToHit, this, &MainWindow::showHit);
    }
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
    m_find->searchBox()->setFocus();
    m_find->searchBox()->selectAll();
}

void MainWindow::showHit(const SearchHit& hit)
{
    const int index = int(hit.panel);
    if (index < 0 || index >= PanelCount)
        return;
    m_bar->selectEntry(index);
    showSelectedPanel();
    if (m_hitNavigator)
        m_hitNavigator(m_panels[index], hit);
}

void MainWindow::runSecurity()
{
    SecurityDialog dialog(m_store, this);
    dialog.exec();
}

void MainWindow::runDateFormat()
{
    DateFormatDialog dialog(this, m_store.clock());
    if (dialog.exec() != QDialog::Accepted)
        return;
    repaintEverything();
    Q_EMIT dateFormatChanged();
}

void MainWindow::repaintEverything()
{
    const QList<QWidget*> descendants = findChildren<QWidget*>();
    for (QWidget* widget : descendants) {
        if (widget->isVisible())
            widget->update();
    }
    update();
}

void MainWindow::backup()
{
    Prompts& prompts = Prompts::current();
    const QString target = prompts.saveFileName(this, BackupFilter, BackupSuffix);
    if (target.isEmpty())
        return;
    if (Backup::backupTo(m_store, target))
        prompts.message(this, u"Done."_s, Prompts::Buttons::Ok, Prompts::Icon::Information);
    else
        prompts.message(this, u"Backup failed."_s, Prompts::Buttons::Ok, Prompts::Icon::None);
}

void MainWindow::restore()
{
    const QString source = Prompts::current().openFileName(this, BackupFilter, BackupSuffix);
    if (!source.isEmpty())
        stageRestore(source);
}

void MainWindow::history()
{
    HistoryDialog dialog(HistoryKeeper::copies(DataPaths::dataFilePath()), this);
    if (dialog.exec() == QDialog::Accepted && !dialog.chosenCopy().isEmpty())
        stageRestore(dialog.chosenCopy());
}

void MainWindow::stageRestore(const QString& source)
{
    Prompts& prompts = Prompts::current();
    if (Backup::stageRestore(source))
        prompts.message(this, u"Restored.\nYou need to restart DVK."_s, Prompts::Buttons::Ok,
                        Prompts::Icon::Information);
    else
        prompts.message(this, u"Restore failed."_s, Prompts::Buttons::Ok, Prompts::Icon::None);
}

void MainWindow::exportData()
{
    ExchangeActions::exportData(this, m_store);
}

void MainWindow::importData()
{
    if (!ExchangeActions::importData(this, m_store))
        return;
    buildPanels();
    showSelectedPanel();
}

void MainWindow::reject() {}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    relayoutWindow();
}

void MainWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // Coming back from minimised: catch up with any size change made meanwhile.
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        relayoutWindow();
}

void MainWindow::closeWindow()
{
    if (m_hideOnClose && m_hideOnClose()) {
        m_hiddenOnClose = true;
        hide();
        return;
    }
    accept();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    closeWindow();
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (isDialogClosingKey(event))
        event->accept();
    else
        QDialog::keyPressEvent(event);
}

} // namespace dvk
