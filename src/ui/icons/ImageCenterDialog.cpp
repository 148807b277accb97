#include "ImageCenterDialog.h"

#include "ExtractIconDialog.h"
#include "IconDialogLayout.h"
#include "IconGridModel.h"
#include "IconGridView.h"
#include "IconLibrary.h"
#include "IconSources.h"
#include "Prompts.h"
#include "SharedTexts.h"

#include <QPushButton>

namespace dvk {

using namespace Qt::StringLiterals;

const QString ImageCenterDialog::ResetQuestion =
    u"This will reset the image list to DVK's default.\n\nContinue?"_s;

ImageCenterDialog::ImageCenterDialog(int chosenIndex, QWidget* parent)
    : ImageCenterDialog(chosenIndex, IconLibrary::instance(), parent)
{}

ImageCenterDialog::ImageCenterDialog(int chosenIndex, IconLibrary& library, QWidget* parent)
    : QDialog(parent)
    , m_library(library)
    , m_chosenIndex(chosenIndex)
    , m_chooseModuleIcon(&ExtractIconDialog::choose)
    , m_model(new IconGridModel(this))
    , m_view(new IconGridView(m_model, this))
    , m_add(IconDialogLayout::button(u"Add..."_s, u"add"_s, this))
    , m_remove(IconDialogLayout::button(u"Remove"_s, u"remove"_s, this))
    , m_replace(IconDialogLayout::button(u"Replace..."_s, u"replace"_s, this))
    , m_reset(IconDialogLayout::button(u"Reset..."_s, u"reset"_s, this))
    , m_ok(IconDialogLayout::button(u"OK"_s, u"ok"_s, this))
{
    setWindowTitle(u"Image Center"_s);
    m_view->setObjectName(u"list"_s);
    m_ok->setDefault(true);
    auto* cancel = IconDialogLayout::button(u"Cancel"_s, u"cancel"_s, this);

    IconDialogLayout::arrange(*this, m_view, {m_add, m_remove, m_replace, m_reset}, m_ok, cancel, 1,
                              3);

    connect(m_view, &IconGridView::selectionChangedTo, this,
            &ImageCenterDialog::postRefreshOkButton);
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this] {
        QMetaObject::invokeMethod(this, &ImageCenterDialog::onOk, Qt::QueuedConnection);
    });
    connect(m_ok, &QPushButton::clicked, this, &ImageCenterDialog::onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_add, &QPushButton::clicked, this, &ImageCenterDialog::onAdd);
    connect(m_remove, &QPushButton::clicked, this, &ImageCenterDialog::onRemove);
    connect(m_replace, &QPushButton::clicked, this, &ImageCenterDialog::onReplace);
    connect(m_reset, &QPushButton::clicked, this, &ImageCenterDialog::onReset);

    fill(m_chosenIndex);
    refreshOkButton();
    m_view->setFocus();
}

ImageCenterDialog::~ImageCenterDialog() = default;

void ImageCenterDialog::setModuleIconChooser(ModuleIconChooser chooser)
{
    m_chooseModuleIcon = std::move(chooser);
}

void ImageCenterDialog::postRefreshOkButton()
{
    QMetaObject::invokeMethod(this, &ImageCenterDialog::refreshOkButton, Qt::QueuedConnection);
}

void ImageCenterDialog::refreshOkButton()
{
    const int selected = m_view->selectedRow();
    m_ok->setEnabled(selected >= 0);
    m_replace->setEnabled(selected >= 0);
    m_remove->setEnabled(selected >= 0 && m_model->rowCount() >= 2);
}

void ImageCenterDialog::fill(int select)
{
    m_model->setImages(m_library.largeIcons());
    m_view->selectRow(select);
}

void ImageCenterDialog::onOk()
{
    const int selected = m_view->selectedRow();
    if (selected < 0)
        return;
    m_chosenIndex = selected;
    accept();
}

void ImageCenterDialog::onAdd()
{
    const QString path = Prompts::current().openFileName(this, IconSources::fileFilter(), u"ico"_s);
    if (path.isEmpty())
        return;
    bool added = false;
    if (IconSources::isIconFile(path)) {
        added = m_library.addIconFile(path);
    } else if (const std::optional<int> index = m_chooseModuleIcon(this, path)) {
        added = m_library.addModuleIcon(path, *index);
    }
    if (!added)
        return;
    fill(m_library.count() - 1);
    postRefreshOkButton();
}

void ImageCenterDialog::onRemove()
{
    const int selected = m_view->selectedRow();
    if (selected < 0)
        return;
    if (Prompts::current().message(this, SharedTexts::RemoveSelectedItems, Prompts::Buttons::YesNo,
                                   Prompts::Icon::Question) != Prompts::Answer::Yes)
        return;
    if (!m_library.remove(selected))
        return;
    fill(selected < m_library.count() ? selected : selected - 1);
    postRefreshOkButton();
}

void ImageCenterDialog::onReplace()
{
    const int selected = m_view->selectedRow();
    if (selected < 0)
        return;
    const QString path = Prompts::current().openFileName(this, IconSources::fileFilter(), u"ico"_s);
    if (path.isEmpty())
        return;
    bool replaced = false;
    if (IconSources::isIconFile(path)) {
        replaced = m_library.replaceWithIconFile(selected, path);
    } else if (const std::optional<int> index = m_chooseModuleIcon(this, path)) {
        replaced = m_library.replaceWithModuleIcon(selected, path, *index);
    }
    if (replaced)
        m_model->setImage(selected, m_library.largeIcon(selected));
}

void ImageCenterDialog::onReset()
{
    if (Prompts::current().message(this, ResetQuestion, Prompts::Buttons::YesNo,
                                   Prompts::Icon::Question) != Prompts::Answer::Yes)
        return;
    m_library.reset();
    fill(0);
    postRefreshOkButton();
}

} // namespace dvk
