#include "Prompts.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace dvk {
namespace {

// The standard Qt dialogs.
class StandardPrompts final : public Prompts
{
public:
    Answer message(QWidget* parent, const QString& text, Buttons buttons, Icon icon) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(Caption);
        box.setText(text);
        box.setIcon(toQt(icon));
        switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
        }
    }

    QString saveFileName(QWidget* parent, const QString& filter,
                         const QString& defaultSuffix) override
    {
        return chooseFile(parent, filter, defaultSuffix, QFileDialog::AcceptSave);
    }

    QString openFileName(QWidget* parent, const QString& filter,
                         const QString& defaultSuffix) override
    {
        return chooseFile(parent, filter, defaultSuffix, QFileDialog::AcceptOpen);
    }

    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override
    {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, parent);
        return ok ? std::optional<QFont>(font) : std::nullopt;
    }

private:
    static QString chooseFile(QWidget* parent, const QString& filter, const QString& suffix,
                              QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(parent, QString(), QString(), filter);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                           : QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(suffix);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    static QMessageBox::Icon toQt(Icon icon)
    {
        switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::None:
            break;
        }
        return QMessageBox::NoIcon;
    }
};

Prompts* installed = nullptr;

} // namespace

const QString Prompts::Caption = QStringLiteral("DVK");

Prompts& Prompts::current()
{
    static StandardPrompts standard;
    return installed ? *installed : standard;
}

void Prompts::setCurrent(Prompts* prompts)
{
    installed = prompts;
}

} // namespace dvk
