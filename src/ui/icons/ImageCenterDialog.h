#pragma once

#include <QDialog>
#include <functional>
#include <optional>

class QPushButton;

namespace dvk {

class IconGridModel;
class IconGridView;
class IconLibrary;

// "Image Center": edits the icon library (add, remove, replace, reset) and picks the icon of a
// record. The caller passes the record's icon index, runs the dialog and, on OK, takes
// chosenIndex(). Changes made to the library stay even when the dialog is cancelled.
class ImageCenterDialog final : public QDialog
{
    Q_OBJECT

public:
    // Picks a program file's icon; nullopt when the user cancels. The default runs Extract Icon.
    using ModuleIconChooser = std::function<std::optional<int>(QWidget* parent, const QString&)>;

    explicit ImageCenterDialog(int chosenIndex, QWidget* parent = nullptr);
    ImageCenterDialog(int chosenIndex, IconLibrary& library, QWidget* parent = nullptr);
    ~ImageCenterDialog() override;

    int chosenIndex() const { return m_chosenIndex; }
    void setModuleIconChooser(ModuleIconChooser chooser);

    static const QString ResetQuestion;

public Q_SLOTS:
    void refreshOkButton();

private:
    void postRefreshOkButton();
    void fill(int select);
    void onOk();
    void onAdd();
    void onRemove();
    void onReplace();
    void onReset();

    IconLibrary& m_library;
    int m_chosenIndex;
    ModuleIconChooser m_chooseModuleIcon;
    IconGridModel* m_model;
    IconGridView* m_view;
    QPushButton* m_add;
    QPushButton* m_remove;
    QPushButton* m_replace;
    QPushButton* m_reset;
    QPushButton* m_ok;
};

} // namespace dvk
