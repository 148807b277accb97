#pragma once

#include <QIcon>
#include <QImage>

namespace dvk {

// DVK's own pictures, compiled into the program: the program icon, the four navigation bar
// icons and the 60 built-in icons of the icon library.
namespace ProgramIcons {

inline constexpr int BuiltInCount = 60;

// The program icon at 16, 22, 24, 32, 48, 64, 128 and 256 pixels.
QIcon application();

// The navigation bar icon of entry `index` (0 Archives, 1 Purse, 2 Memo, 3 Notes) at 32 and 48
// pixels; a null icon for any other index.
QIcon navigation(int index);

// Built-in icon `index` (0 to 59) at `size` (16 or 32) pixels, in ARGB32; null otherwise.
QImage builtIn(int index, int size);

} // namespace ProgramIcons
} // namespace dvk
