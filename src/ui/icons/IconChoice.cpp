#include "IconChoice.h"

#include "ImageCenterDialog.h"

namespace dvk {

std::optional<int> chooseInImageCenter(QWidget* parent, int current)
{
    ImageCenterDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenIndex();
}

} // namespace dvk
