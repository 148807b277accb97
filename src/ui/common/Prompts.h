#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace dvk {

// Every message box and standard file or font dialog DVK shows goes through one Prompts object,
// so tests can give scripted answers instead. Message boxes carry the caption "DVK".
class Prompts
{
public:
    enum class Icon
    {
        None,
        Information,
        Warning,
        Critical,
        Question
    };
    enum class Buttons
    {
        Ok,
        OkCancel,
        YesNo
    };
    enum class Answer
    {
        Ok,
        Cancel,
        Yes,
        No
    };

    virtual ~Prompts() = default;

    virtual Answer message(QWidget* parent, const QString& text, Buttons buttons, Icon icon) = 0;
    // A file to write; empty when cancelled. `filter` is in QFileDialog's form
    // ("Backup Files (*.bak)"); the dialog asks before overwriting an existing file.
    virtual QString saveFileName(QWidget* parent, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // An existing file to read; empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // A font; nullopt when cancelled.
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;

    // The prompts in use: the standard dialogs unless a test installed others.
    static Prompts& current();
    // Installs `prompts` (not owned) as the current ones; nullptr restores the standard dialogs.
    static void setCurrent(Prompts* prompts);

    static const QString Caption;
};

} // namespace dvk
