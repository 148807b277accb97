#pragma once

class QWidget;

namespace dvk {

// Creates the panel the main window shows at `index` (0 Archives, 1 Purse, 2 Memo, 3 Notes).
QWidget* makePanel(int index, QWidget* parent);

} // namespace dvk
