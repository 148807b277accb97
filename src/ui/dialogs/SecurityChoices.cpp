#include "SecurityChoices.h"

#include "DataStore.h"
#include "SealKey.h"
#include "SettingsStore.h"

namespace dvk {
namespace {

bool isPasswordSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

} // namespace

SecurityChoices SecurityChoices::current(const DataStore& store, const SettingsStore& settings)
{
    SecurityChoices choices;
    choices.enable = store.hasPassword();
    choices.encrypt = settings.readNumber(SettingsStore::EncryptDVKFile).value_or(0) != 0;
    return choices;
}

QString SecurityChoices::trimmedPassword(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isPasswordSpace(text.at(begin)))
        ++begin;
    while (end > begin && isPasswordSpace(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

bool SecurityChoices::acceptable(bool storeHasPassword) const
{
    if (!enable)
        return true;
    if (newPassword.isEmpty() && repeatPassword.isEmpty())
        return storeHasPassword;
    return trimmedPassword(newPassword).size() >= MinPasswordLength &&
           newPassword == repeatPassword;
}

void SecurityChoices::apply(DataStore& store, const SettingsStore& settings) const
{
    settings.writeNumber(SettingsStore::EncryptDVKFile, encrypt ? 1 : 0);
    if (!enable)
        store.setPassword(QByteArray());
    else if (!newPassword.isEmpty()) {
        QByteArray typed = newPassword.toLocal8Bit();
        store.setPassword(typed);
        SealKey::wipe(typed);
    }
}

} // namespace dvk
