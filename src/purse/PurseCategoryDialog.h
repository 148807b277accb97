#pragma once

#include "PropertyDialog.h"

class QLineEdit;

namespace dvk {

// "Purse Category Property": the name of an expense category. OK is enabled only while the name
// holds more than white space; the name is taken trimmed at both ends.
class PurseCategoryDialog final : public PropertyDialog
{
    Q_OBJECT

public:
    static constexpr int MaxNameLength = 80;

    explicit PurseCategoryDialog(QWidget* parent = nullptr);

    void setName(const QString& name);
    // The typed name, trimmed at both ends.
    QString name() const;

private:
    bool acceptable() const override;

    QLineEdit* m_name;
};

} // namespace dvk
