#pragma once

#include "PropertyDialog.h"

class QLineEdit;

namespace dvk {

class CategoryFilterBox;

// "DVK Item Property": the category and name of one archive item, or only the category of
// several (the name is then empty and read-only). While the name is editable, OK needs a name
// that is not blank; with a read-only name OK stays enabled. The caller stores the texts of
// category() and name(), both trimmed.
class ArchiveItemDialog final : public PropertyDialog
{
    Q_OBJECT

public:
    static constexpr int MaxNameLength = 80;

    ArchiveItemDialog(const QStringList& categories, const QString& category, const QString& name,
                      bool nameEditable, QWidget* parent = nullptr);
    ~ArchiveItemDialog() override;

    QString category() const;
    QString name() const;
    bool isNameEditable() const { return m_nameEditable; }

    CategoryFilterBox* categoryBox() const { return m_category; }
    QLineEdit* nameEdit() const { return m_name; }

private:
    bool acceptable() const override;

    bool m_nameEditable;
    CategoryFilterBox* m_category;
    QLineEdit* m_name;
};

} // namespace dvk
