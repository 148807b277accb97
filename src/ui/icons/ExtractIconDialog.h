#pragma once

#include <QDialog>
#include <optional>

class QPushButton;

namespace dvk {

class IconGridModel;
class IconGridView;

// "Extract Icon": shows the icons a program file (or a multi-image icon file) offers and lets
// the user pick one. On OK, chosenIndex() is the picked icon's number in the file.
class ExtractIconDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit ExtractIconDialog(const QString& path, QWidget* parent = nullptr);
    ~ExtractIconDialog() override;

    int chosenIndex() const { return m_chosenIndex; }
    int iconCount() const;

    // Runs the dialog on `path`; the chosen index, or nullopt when cancelled.
    static std::optional<int> choose(QWidget* parent, const QString& path);

public Q_SLOTS:
    void refreshOkButton();

private:
    void postRefreshOkButton();
    void onOk();
    void onDoubleClicked();

    int m_chosenIndex = 0;
    IconGridModel* m_model;
    IconGridView* m_view;
    QPushButton* m_ok;
};

} // namespace dvk
