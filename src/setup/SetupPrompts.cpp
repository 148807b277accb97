#include "SetupPrompts.h"

using namespace Qt::StringLiterals;

namespace dvk {

const QString SetupPrompts::Caption = u"DVK Setup"_s;

} // namespace dvk
