#pragma once

#include <QString>

class QWidget;

namespace dvk {

// The message boxes and the folder browser of the installer, behind an interface so tests can
// answer them. Message boxes carry the caption "DVK Setup".
class SetupPrompts
{
public:
    virtual ~SetupPrompts() = default;

    // An information message with an OK button.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A question with Yes and No buttons; true when answered Yes.
    virtual bool confirm(QWidget* parent, const QString& question) = 0;
    // A folder chosen in the folder browser opened at `startFolder`; empty when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& startFolder) = 0;

    static const QString Caption;
};

} // namespace dvk
