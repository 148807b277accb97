// Pictures of the shared dialogs: About DVK, DVK Security, the password prompt and Date Format.
#include "AboutDialog.h"
#include "DataStore.h"
#include "DateFormatDialog.h"
#include "LinkLabel.h"
#include "PasswordDialog.h"
#include "ProgramIcons.h"
#include "SceneRegistry.h"
#include "SecurityDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The dialogs show the program icon as the running program sets it.
void useProgramIcon()
{
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(dvk::ProgramIcons::application());
}

dvk::DataStore& storeWithoutPassword()
{
    static dvk::DataStore store;
    return store;
}

dvk::DataStore& storeWithPassword()
{
    static dvk::DataStore store;
    store.setPassword("secret1");
    return store;
}

DVK_SCENE({u"about"_s,
           [] {
               useProgramIcon();
               return std::make_unique<dvk::AboutDialog>();
           },
           nullptr});

// The pointer over the home-page link turns it blue.
DVK_SCENE({u"about-link-hover"_s,
           [] {
               useProgramIcon();
               return std::make_unique<dvk::AboutDialog>();
           },
           [](QWidget* widget) {
               QWidget* const link = static_cast<dvk::AboutDialog*>(widget)->homePageLink();
               const QPointF centre = QRectF(link->rect()).center();
               QEnterEvent enter(centre, centre, link->mapToGlobal(centre));
               QCoreApplication::sendEvent(link, &enter);
           }});

DVK_SCENE({u"security"_s,
           [] { return std::make_unique<dvk::SecurityDialog>(storeWithoutPassword()); }, nullptr});

// Protection switched on with a new password of five characters typed twice: OK stays disabled.
DVK_SCENE({u"security-short-password"_s,
           [] {
               auto dialog = std::make_unique<dvk::SecurityDialog>(storeWithoutPassword());
               dialog->enableBox()->setChecked(true);
               dialog->newPasswordEdit()->setText(u"abcde"_s);
               dialog->repeatPasswordEdit()->setText(u"abcde"_s);
               return dialog;
           },
           nullptr});

DVK_SCENE({u"password-prompt"_s,
           [] {
               useProgramIcon();
               auto dialog = std::make_unique<dvk::PasswordDialog>(storeWithPassword());
               dialog->passwordEdit()->setText(u"secret"_s);
               return dialog;
           },
           nullptr});

DVK_SCENE({u"date-format"_s,
           [] {
               auto dialog = std::make_unique<dvk::DateFormatDialog>();
               dialog->showSample();
               return dialog;
           },
           nullptr});

// A picture with a minutes letter is rejected: OK disabled and, after Show Sample, no sample.
DVK_SCENE({u"date-format-rejected"_s,
           [] {
               auto dialog = std::make_unique<dvk::DateFormatDialog>();
               dialog->formatEdit()->setText(u"dd/mm/yyyy"_s);
               dialog->showSample();
               return dialog;
           },
           nullptr});

} // namespace
