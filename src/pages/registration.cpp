// Registration: the computer name first, then the owner and organisation.
#include "pages/registration.h"

#include "pages/texts.h"
#include "platform/registry.h"
#include "platform/registry_locations.h"

namespace pages {
namespace {

constexpr const char* kCannotChangeName = "コンピュータ名を変更できません。";

}  // namespace

Registration::Registration(const RegistrationControls& controls, platform::Platform& platform, UserPage& user,
                           ui::Form& form)
    : c_(controls), platform_(platform), user_(user), form_(form) {}

void Registration::ChangeClick() {
    c_.Panel20.show();
    c_.Panel25.hide();
    c_.M1.hide();
    c_.NewName.setFocus();
}

void Registration::NewNameChange() {
    c_.M1.setFontColour(present::colours::yellow);
    c_.M1.setText(texts::kEditing);
    c_.M1.show();
}

void Registration::TourokuClick() {
    // A name longer than the system keeps is refused as the system would
    // refuse it, never cut to fit.
    const std::string name = c_.NewPCName.text();
    bool named = name.size() <= kLongestComputerName && platform_.setComputerName(name.c_str());
    if (!named) form_.showMessage(kCannotChangeName);

    c_.Panel25.show();
    c_.Panel20.hide();
    user_.SelectPlatformKeys();
    // Without a known platform there is no key to write to: nothing is written anywhere.
    if (user_.versionKey() != nullptr) {
        registry::Key key = registry::Key::create(platform_, platform::kLocalMachine, user_.versionKey(),
                                                  user_.versionKeyAccess(true));
        registry::writeText(platform_, key, registry::kRegisteredOwner, c_.NewName.text());
        registry::writeText(platform_, key, registry::kRegisteredOrganization, c_.NewCompany.text());
    }
    c_.Button8.click();

    if (c_.NewPCName.text() != c_.NowPCName.text()) {
        c_.M1.setFontColour(present::colours::fuchsia);
        c_.M1.setText(texts::kRestartPending);
    } else {
        c_.M1.setFontColour(present::colours::white);
        c_.M1.setText(texts::kViewing);
    }
    c_.M1.show();
}

void Registration::CancelClick() {
    c_.Panel20.hide();
    c_.Panel25.show();
    c_.M1.show();
    c_.Button8.click();
}

}  // namespace pages
