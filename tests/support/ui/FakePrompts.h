#pragma once

#include "Prompts.h"

#include <QList>
#include <QStringList>

namespace dvk::test {

// Prompts with scripted answers. Installs itself as the current prompts while it lives and
// records every message it was asked to show. An unscripted question is answered with the
// cancelling choice and counted, so a test can tell that a dialog appeared unexpectedly.
class FakePrompts final : public Prompts
{
public:
    FakePrompts() { Prompts::setCurrent(this); }
    ~FakePrompts() override { Prompts::setCurrent(nullptr); }

    Answer message(QWidget*, const QString& text, Buttons buttons, Icon icon) override
    {
        messages << text;
        icons << icon;
        if (!answers.isEmpty())
            return answers.takeFirst();
        ++unscripted;
        return buttons == Buttons::YesNo ? Answer::No
                                         : (buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel);
    }
    QString saveFileName(QWidget*, const QString& filter, const QString& suffix) override
    {
        return fileName(filter, suffix);
    }
    QString openFileName(QWidget*, const QString& filter, const QString& suffix) override
    {
        return fileName(filter, suffix);
    }
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override
    {
        return fonts.isEmpty() ? std::nullopt : std::optional(fonts.takeFirst());
    }

    QList<Answer> answers; // next answers to message boxes
    QStringList fileNames; // next answers to file dialogs (empty text = cancelled)
    QList<QFont> fonts;    // next answers to the font dialog
    QStringList messages;  // every message shown, in order
    QList<Icon> icons;     // the icon of each message shown
    QStringList filters;   // the filter of each file dialog shown
    QStringList suffixes;  // the default suffix of each file dialog shown
    int unscripted = 0;

private:
    QString fileName(const QString& filter, const QString& suffix)
    {
        filters << filter;
        suffixes << suffix;
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};

} // namespace dvk::test
