#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace dvk {

// "Purse Category Property": the name of an expense category. OK is enabled only while the name
// holds more than white space; the name is taken trimmed at both ends.
class PurseCategoryDialog final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MaxNameLength = 80;

    explicit PurseCategoryDialog(QWidget* parent = nullptr);

    void setName(const QString& name);
    // The typed name, trimmed at both ends.
    QString name() const;
    bool isOkEnabled() const;

public Q_SLOTS:
    void refreshOkButton();

private:
    QLineEdit* m_name;
    QPushButton* m_ok;
};

} // namespace dvk
