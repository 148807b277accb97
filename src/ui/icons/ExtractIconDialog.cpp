#include "ExtractIconDialog.h"

#include "DialogUnits.h"
#include "IconGridModel.h"
#include "IconGridView.h"
#include "IconSources.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

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
    auto* cancel = new QPushButton(u"Cancel"_s, this);
    cancel->setObjectName(u"cancel"_s);
    cancel->setAutoDefault(false);

    const DialogUnits units(font());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addSpacing(units.toPixelsX(1));
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(units.toPixelsX(5), units.toPixelsY(5), units.toPixelsX(5),
                               units.toPixelsY(5));
    layout->setSpacing(units.toPixelsY(4));
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    for (QPushButton* pushButton : {m_ok, cancel})
        pushButton->setMinimumSize(units.toPixels(50, 14));
    DialogUnits::fixSize(this, 392, 226);

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
