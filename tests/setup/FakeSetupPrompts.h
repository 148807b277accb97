#pragma once

#include "SetupPrompts.h"

#include <QList>
#include <QStringList>

namespace dvk::test {

// Installer prompts with scripted answers: records every message and question shown and the
// folder each browser opened at. An unscripted question is answered No and counted.
class FakeSetupPrompts final : public SetupPrompts
{
public:
    void inform(QWidget*, const QString& text) override { messages << text; }
    bool confirm(QWidget*, const QString& question) override
    {
        messages << question;
        if (answers.isEmpty()) {
            ++unscripted;
            return false;
        }
        return answers.takeFirst();
    }
    QString chooseFolder(QWidget*, const QString& startFolder) override
    {
        startFolders << startFolder;
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }

    QList<bool> answers;      // next answers to questions (true = Yes)
    QStringList folders;      // next folders chosen in the browser (empty = cancelled)
    QStringList messages;     // every message and question, in order
    QStringList startFolders; // where each folder browser opened
    int unscripted = 0;
};

} // namespace dvk::test
