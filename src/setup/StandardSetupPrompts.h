#pragma once

#include "SetupPrompts.h"

namespace dvk {

// The installer's prompts shown with QMessageBox and QFileDialog.
class StandardSetupPrompts final : public SetupPrompts
{
public:
    void inform(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& question) override;
    QString chooseFolder(QWidget* parent, const QString& startFolder) override;
};

} // namespace dvk
