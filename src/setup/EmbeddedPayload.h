#pragma once

#include "Installer.h"

namespace dvk {

// The built DVK program, its help document and its icon, carried inside dvk-setup itself.
// The bytes are not copied: the payload refers to the program's read-only data.
Installer::Payload embeddedPayload();

} // namespace dvk
