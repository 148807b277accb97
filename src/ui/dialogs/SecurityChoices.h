#pragma once

#include <QString>

namespace dvk {

class DataStore;
class SettingsStore;

// What the "DVK Security" dialog shows and changes: password protection with a new password typed
// twice, and the EncryptDVKFile setting. Holds the rule for its OK button and applies the choices,
// without any window, so the rule can be checked on its own.
struct SecurityChoices final
{
    bool enable = false;
    QString newPassword;
    QString repeatPassword;
    bool encrypt = false;

    // The store's and the settings' state: protection on when the store has a password, encryption
    // on when EncryptDVKFile reads as a number other than 0; both boxes empty.
    static SecurityChoices current(const DataStore& store, const SettingsStore& settings);

    // Whether OK may be pressed:
    //   - protection off; or
    //   - a new password typed, with at least six characters once surrounding white space is
    //     removed, and typed identically in both boxes; or
    //   - both boxes empty while the store already has a password, which then stays.
    // The two boxes must match exactly, surrounding blanks included, because the new password is
    // stored as typed: a password that differs from its confirmation could lock the user out.
    bool acceptable(bool storeHasPassword) const;

    // Writes EncryptDVKFile (1 or 0; a failed write is not an error: the next save reads whatever
    // the settings then hold), then sets the new password as typed when protection is on and one
    // was typed, leaves the password alone when protection is on and none was typed, and removes
    // it when protection is off.
    void apply(DataStore& store, const SettingsStore& settings) const;

    // `text` without the blanks, tabs, line feeds, vertical tabs, form feeds and carriage returns
    // at either end.
    static QString trimmedPassword(const QString& text);

    // The longest password the dialog's boxes accept.
    static constexpr int MaxPasswordLength = 128;
    static constexpr int MinPasswordLength = 6;
};

} // namespace dvk
