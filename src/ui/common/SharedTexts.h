#pragma once

#include <QString>

namespace dvk::SharedTexts {

// The question every list asks before it removes the selected records.
inline const QString RemoveSelectedItems = QStringLiteral("Remove selected Items?");

} // namespace dvk::SharedTexts
