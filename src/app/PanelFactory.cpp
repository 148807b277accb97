#include "PanelFactory.h"

#include <QWidget>

namespace dvk {

QWidget* makePanel(int, QWidget* parent)
{
    return new QWidget(parent);
}

} // namespace dvk
