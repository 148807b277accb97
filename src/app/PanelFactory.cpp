#include "PanelFactory.h"

#include "ArchivesPanel.h"
#include "DataStore.h"
#include "MemoPanel.h"
#include "NotesPanel.h"
#include "PursePanel.h"

namespace dvk {

MainWindow::PanelFactory makePanelFactory(DataStore& store)
{
    return [&store](int index, QWidget* parent) -> QWidget* {
        switch (index) {
        case 0:
            return new ArchivesPanel(store, parent);
        case 1:
            return new PursePanel(store.purseCategories, store.clock(), parent);
        case 2: {
            auto* memo = new MemoPanel(store.memos, store.clock(), parent);
            if (auto* window = qobject_cast<MainWindow*>(parent))
                QObject::connect(memo, &MemoPanel::memoAlert, window, &MainWindow::memoAlert);
            return memo;
        }
        case 3:
            return new NotesPanel(store.notes, store.clock(), parent);
        default:
            return nullptr;
        }
    };
}

} // namespace dvk
