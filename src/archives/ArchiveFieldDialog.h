#pragma once

#include "PropertyDialog.h"

class QLineEdit;

namespace dvk {

class SortedComboBox;

// "DVK Basic Info": the name and value of one fact of an archive item. The name box suggests the
// fact names already used by items of the same category. OK needs both texts not blank; the
// caller stores name() and value(), both trimmed.
class ArchiveFieldDialog final : public PropertyDialog
{
    Q_OBJECT

public:
    ArchiveFieldDialog(const QStringList& suggestedNames, const QString& name, const QString& value,
                       QWidget* parent = nullptr);
    ~ArchiveFieldDialog() override;

    QString name() const;
    QString value() const;

    SortedComboBox* nameBox() const { return m_name; }
    QLineEdit* valueEdit() const { return m_value; }

private:
    bool acceptable() const override;

    SortedComboBox* m_name;
    QLineEdit* m_value;
};

} // namespace dvk
