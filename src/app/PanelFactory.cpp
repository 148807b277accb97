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

MainWindow::HitNavigator makeHitNavigator()
{
    return [](QWidget* panel, const SearchHit& hit) {
        switch (hit.panel) {
        case SearchPanel::Archives:
            if (auto* archives = qobject_cast<ArchivesPanel*>(panel)) {
                const bool fact =
                    hit.field == SearchField::FactName || hit.field == SearchField::FactValue;
                archives->showItem(hit.index, fact ? hit.fieldIndex : -1,
                                   hit.field == SearchField::ItemNote ? hit.fieldIndex : -1);
            }
            break;
        case SearchPanel::Purse:
            if (auto* purse = qobject_cast<PursePanel*>(panel))
                purse->showEntry(hit.index, hit.subIndex);
            break;
        case SearchPanel::Memo:
            if (auto* memo = qobject_cast<MemoPanel*>(panel))
                memo->showMemo(hit.index);
            break;
        case SearchPanel::Notes:
            if (auto* notes = qobject_cast<NotesPanel*>(panel))
                notes->showNote(hit.index);
            break;
        }
    };
}

} // namespace dvk
