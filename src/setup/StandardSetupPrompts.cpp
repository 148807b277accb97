#include "StandardSetupPrompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace dvk {

void StandardSetupPrompts::inform(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, Caption, text, QMessageBox::Ok);
}

bool StandardSetupPrompts::confirm(QWidget* parent, const QString& question)
{
    return QMessageBox::question(parent, Caption, question, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

QString StandardSetupPrompts::chooseFolder(QWidget* parent, const QString& startFolder)
{
    // The browser opens at the nearest folder that exists on the way up to `startFolder`.
    QString start = startFolder;
    while (!start.isEmpty() && !QFileInfo(start).isDir()) {
        const QString up = QFileInfo(start).path();
        start = up == start ? QString() : up;
    }
    if (start.isEmpty())
        start = QDir::homePath();
    return QFileDialog::getExistingDirectory(parent, QString(), start, QFileDialog::ShowDirsOnly);
}

} // namespace dvk
