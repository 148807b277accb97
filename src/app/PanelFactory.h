#pragma once

#include "MainWindow.h"

namespace dvk {

class DataStore;

// Creates the four panels the main window shows (0 Archives, 1 Purse, 2 Memo, 3 Notes), each
// working on its part of the store. The Memo panel's alerts make the main window's bar blink.
MainWindow::PanelFactory makePanelFactory(DataStore& store);
// Selects a Find window's hit in the panel made by that factory: the archive item with its fact
// or note, the Purse entry in its category, the memo or the note.
MainWindow::HitNavigator makeHitNavigator();

} // namespace dvk
