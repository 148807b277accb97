#include "ExtractIconDialog.h"

#include "IconDialogLayout.h"
#include "IconGridModel.h"
#include "IconGridView.h"
#include "IconSources.h"

#include <QPushButton>

namespace dvk {

using namespace Qt::StringLiterals;

ExtractIconDialog::ExtractIconDialog(const QString& path, QWidget* parent)
    : QDialog(parent)
    , m_model(new IconGridModel(this))
    , m_view(new IconGridView(m_model, this))
    , m_ok(new QPushButton(u"OK"_s, this))
{
    setWindowTitle(u"Extract Icon"_s);
    m_view->setObjectName(u"list"_s);
    m_ok->setObjectName(u"ok"_s);
    m_ok->setDefault(true);
    auto* cancel = IconDialogLayout::button(u"Cancel"_s, u"cancel"_s, this);
    IconDialogLayout::arrange(*this, m_view, {}, m_ok, cancel, -1, 4);

    connect(m_view, &IconGridView::selectionChangedTo, this,
            &ExtractIconDialog::postRefreshOkButton);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &ExtractIconDialog::onDoubleClicked);
    connect(m_ok, &QPushButton::clicked, this, &ExtractIconDialog::onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_model->setImages(IconSources::moduleIcons(path));
    refreshOkButton();
    m_view->setFocus();
}

ExtractIconDialog::~ExtractIconDialog() = default;

int ExtractIconDialog::iconCount() const
{
    return m_model->rowCount();
}

std::optional<int> ExtractIconDialog::choose(QWidget* parent, const QString& path)
{
    ExtractIconDialog dialog(path, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenIndex();
}

void ExtractIconDialog::postRefreshOkButton()
{
    QMetaObject::invokeMethod(this, &ExtractIconDialog::refreshOkButton, Qt::QueuedConnection);
}

void ExtractIconDialog::refreshOkButton()
{
    m_ok->setEnabled(m_view->selectedRow() >= 0);
}

void ExtractIconDialog::onDoubleClicked()
{
    if (m_view->selectedRow() >= 0)
        QMetaObject::invokeMethod(this, &ExtractIconDialog::onOk, Qt::QueuedConnection);
}

void ExtractIconDialog::onOk()
{
    const int selected = m_view->selectedRow();
    if (selected < 0)
        return;
    m_chosenIndex = selected;
    accept();
}

} // namespace dvk
